#include "common/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <windows.h>

#include "platform/process.h"
#include "platform/text_file.h"

namespace fs = std::filesystem;

namespace test {
namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  // Unique among the processes that run at once, and after them.
  const std::string name = std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  const fs::path folder = fs::temp_directory_path() / ("ambler-test-" + name + "-" + std::to_string(counter++));
  if (!fs::create_directory(folder)) throw std::runtime_error("cannot create a temp folder");
  const std::u8string path = folder.u8string();
  path_.assign(path.begin(), path.end());
  if (!path_.empty() && path_.back() == '\\') path_.pop_back();
}

TempDir::~TempDir() {
  // Never following a link a test left inside, nor stopped by read-only files.
  if (UnderWine()) {
    RunUnix("chmod -R u+rwX " + Quoted(UnixPath(path_)) + "; rm -rf " + Quoted(UnixPath(path_)));
    return;
  }
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(Fs(path_), error))
    if (!entry.is_symlink()) SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
  fs::remove_all(Fs(path_), error);
}

std::string TempDir::operator/(const std::string& name) const { return path_ + "\\" + name; }

fs::path Fs(const std::string& path) { return fs::path(std::u8string(path.begin(), path.end())); }

void WriteFile(const std::string& path, const std::string& bytes) {
  std::error_code error;
  fs::create_directories(Fs(path).parent_path(), error);
  std::ofstream out(Fs(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) ADD_FAILURE() << "cannot write " << path;
}

void CopyTo(const std::string& from, const std::string& to) {
  fs::create_directories(Fs(to).parent_path());
  fs::copy_file(Fs(from), Fs(to), fs::copy_options::overwrite_existing);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(Fs(path), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(Fs(path), error);
}

std::vector<std::string> FileLines(const std::string& path) {
  std::vector<std::string> lines;
  platform::TextFileReader reader(path);
  for (std::string line; reader.ReadLine(line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(Fs(folder))) {
    const std::u8string name = entry.path().filename().u8string();
    names.emplace_back(name.begin(), name.end());
  }
  std::sort(names.begin(), names.end());
  return names;
}

unsigned long Attributes(const std::string& path) {
  return GetFileAttributesW(Fs(path).wstring().c_str()) & (kReadOnly | kHidden | kSystem);
}

void SetAttributes(const std::string& path, unsigned long attributes) {
  ASSERT_TRUE(SetFileAttributesW(Fs(path).wstring().c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL)) << path;
}

fs::file_time_type ModificationTime(const std::string& path) {
  std::error_code error;
  return fs::last_write_time(Fs(path), error);
}

std::string CorpusFile(const std::string& name) {
  const std::string path = WindowsPath(AMBLER_SOURCE_DIR "/../shared/corpus/" + name);
  return Exists(path) ? path : std::string();
}

bool UnderWine() {
  static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

std::string UnixPath(const std::string& windowsPath) {
  using UnixName = char*(CDECL*)(const wchar_t*);
  static const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!unixName) return windowsPath;
  char* name = unixName(Fs(windowsPath).wstring().c_str());
  if (!name) return windowsPath;
  std::string path = name;
  HeapFree(GetProcessHeap(), 0, name);
  return path;
}

std::string WindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

int RunUnix(const std::string& command) {
  if (!UnderWine()) return -1;
  // Wine gives a Unix program no process to wait for: its exit code is left in a file. The script lies in a
  // file of its own, so that no quoting stands between it and the shell.
  static std::atomic<unsigned> counter{0};
  const std::string done = "/tmp/ambler-unix-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
                           "-" + std::to_string(counter++);
  WriteFile(WindowsPath(done + ".sh"), "(" + command + "); echo $? > " + done + ".tmp; mv " + done + ".tmp " + done +
                                           "; rm -f " + done + ".sh\n");
  if (!platform::StartProgram("Z:\\bin\\sh " + done + ".sh", platform::WindowStyle::Hidden)) return -1;
  const std::string marker = WindowsPath(done);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!Exists(marker)) {
    if (std::chrono::steady_clock::now() > deadline) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  const int code = std::atoi(ReadFile(marker).c_str());
  std::filesystem::remove(Fs(marker));
  return code;
}

static int Reg(const std::string& arguments) {
  const auto code = platform::RunAndWait("reg " + arguments, 60000);
  return code ? static_cast<int>(*code) : -1;
}

Association::Association(const std::string& extension, const std::string& program) : extension_(extension) {
  if (Reg("query HKCR\\." + extension) == 0) return;
  const std::string kind = "AmblerTest." + extension;
  active_ = Reg("add HKCR\\." + extension + " /ve /d " + kind + " /f") == 0 &&
            Reg("add HKCR\\" + kind + "\\shell\\open\\command /ve /d \"\\\"" + program + "\\\" \\\"%1\\\"\" /f") == 0;
}

Association::~Association() {
  if (!active_) return;
  Reg("delete HKCR\\." + extension_ + " /f");
  Reg("delete HKCR\\AmblerTest." + extension_ + " /f");
}

MappedDrive::MappedDrive(char letter, const std::string& folder) : letter_(letter) {
  if (!UnderWine()) {
    // Under Wine such a mapping is a name only: its files are not reached through it.
    if (!DefineDosDeviceW(0, DeviceName().c_str(), Fs(folder).wstring().c_str()))
      throw std::runtime_error("cannot map drive " + Root());
    return;
  }
  const char* prefix = std::getenv("WINEPREFIX");
  if (!prefix) throw std::runtime_error("WINEPREFIX is not set: run the tests through scripts/test or ctest");
  link_ = std::string(prefix) + "/dosdevices/" + static_cast<char>(std::tolower(letter)) + ":";
  if (RunUnix("ln -sfn " + Quoted(UnixPath(folder)) + " " + Quoted(link_)) != 0)
    throw std::runtime_error("cannot map drive " + Root());
}

MappedDrive::~MappedDrive() {
  if (!UnderWine()) {
    DefineDosDeviceW(DDD_REMOVE_DEFINITION, DeviceName().c_str(), nullptr);
    return;
  }
  RunUnix("rm -f " + Quoted(link_));
}

}  // namespace test
