#include "platform/files.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/path.h"
#include "platform/scoped_win32.h"
#include "platform/win32_common.h"

namespace platform {
namespace {

bool IsOrdinary(DWORD attributes) {
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

// The file's size, or -1 when it cannot be read.
long long SizeOf(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(ToWide(name).c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// What lies beside a file while its new version is written.
constexpr const char* kBesideSuffix = ".ambler-new";

// Pushes what the file system still holds of the file to the medium: a
// removable stick may otherwise get a replacement before its content.
bool Flush(const std::string& name) {
  ScopedFile file(CreateFileW(ToWide(name).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  return file && FlushFileBuffers(file.Get()) && file.Reset();
}

// Creates (or empties) the file and writes the bytes; false when any failed.
bool WriteNewFile(const std::string& name, std::string_view bytes) {
  ScopedFile file(CreateFileW(ToWide(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
  bool ok = static_cast<bool>(file);
  for (std::size_t done = 0; ok && done < bytes.size();) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    ok = WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr) && written > 0;
    done += written;
  }
  return file.Reset() && ok;
}

}  // namespace

bool FileExists(const std::string& name) {
  if (name.empty() || name.find_first_of("*?") != std::string::npos) return false;
  if (EndsWithSeparator(name)) return false;
  WIN32_FIND_DATAW data;
  const ScopedFind find(FindFirstFileW(ToWide(name).c_str(), &data));
  return find && IsOrdinary(data.dwFileAttributes);
}

std::optional<std::string> FirstOrdinaryFile(const std::string& pattern) {
  if (pattern.empty()) return std::nullopt;
  const std::string search = EndsWithSeparator(pattern) ? pattern + "*" : pattern;
  WIN32_FIND_DATAW data;
  const ScopedFind find(FindFirstFileW(ToWide(search).c_str(), &data));
  if (!find) return std::nullopt;
  do {
    if (IsOrdinary(data.dwFileAttributes)) return ToUtf8(data.cFileName);
  } while (FindNextFileW(find.Get(), &data));
  return std::nullopt;
}

bool HasDirectoryAttribute(const std::string& path) {
  if (path.empty() || path.find_first_of("*?") != std::string::npos) return false;
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool RemoveFile(const std::string& name) { return !name.empty() && DeleteFileW(ToWide(name).c_str()) != 0; }

bool CopyFileSafely(const std::string& from, const std::string& to, bool replaceExisting) {
  if (from.empty() || to.empty()) return false;
  return ReplaceThroughFileBeside(
      to,
      [&](const std::string& beside) {
        // A full medium can end the copy early without an error: the sizes must agree.
        return CopyFileW(ToWide(from).c_str(), ToWide(beside).c_str(), TRUE) && SizeOf(beside) == SizeOf(from);
      },
      {}, replaceExisting);
}

bool MoveFileTo(const std::string& from, const std::string& to) {
  return !from.empty() && !to.empty() &&
         MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) != 0;
}

std::optional<DateTime> CreationTime(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  FILETIME local;
  SYSTEMTIME time;
  if (name.empty() || !GetFileAttributesExW(ToWide(name).c_str(), GetFileExInfoStandard, &data) ||
      !FileTimeToLocalFileTime(&data.ftCreationTime, &local) || !FileTimeToSystemTime(&local, &time))
    return std::nullopt;
  return DateTime{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

bool ReplaceThroughFileBeside(const std::string& target, const std::function<bool(const std::string&)>& fill,
                              const std::string& besideName, bool replaceExisting) {
  if (target.empty()) return false;
  const std::string beside = besideName.empty() ? target + kBesideSuffix : besideName;
  RemoveFile(beside);
  const DWORD flags = MOVEFILE_WRITE_THROUGH | (replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
  if (fill(beside) && Flush(beside) && MoveFileExW(ToWide(beside).c_str(), ToWide(target).c_str(), flags))
    return true;
  RemoveFile(beside);
  return false;
}


bool ReplaceFileContent(const std::string& name, const std::string& bytes) {
  return ReplaceThroughFileBeside(name, [&](const std::string& beside) { return WriteNewFile(beside, bytes); });
}

bool CreateNewFile(const std::string& name) {
  if (name.empty()) return false;
  const ScopedFile file(CreateFileW(ToWide(name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  return static_cast<bool>(file);
}

std::string CurrentDirectory() {
  return GrowingText([](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
}

bool ChangeDirectory(const std::string& directory) {
  return !directory.empty() && SetCurrentDirectoryW(ToWide(directory).c_str()) != 0;
}

bool ChangeDrive(char letter) {
  // "X:" is the directory last current on that drive, or its root.
  const wchar_t drive[3] = {static_cast<wchar_t>(static_cast<unsigned char>(letter)), L':', L'\0'};
  return SetCurrentDirectoryW(drive) != 0;
}

std::string FullPathName(const std::string& name) {
  if (name.empty()) return {};
  const std::wstring wide = ToWide(name);
  const std::string full =
      GrowingText([&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(wide.c_str(), size, buffer, nullptr); });
  return full.empty() ? name : full;
}

}  // namespace platform

namespace platform {
namespace {

template <typename Visit>
void ForEachEntry(const std::string& pattern, Visit&& visit) {
  WIN32_FIND_DATAW data;
  const ScopedFind find(FindFirstFileW(ToWide(pattern).c_str(), &data));
  if (!find) return;
  do {
    visit(data);
  } while (FindNextFileW(find.Get(), &data));
}

}  // namespace

std::vector<std::string> ListSubdirectories(const std::string& directory) {
  std::vector<std::string> result;
  if (directory.empty()) return result;
  const std::string base = WithSeparator(directory);
  ForEachEntry(base + "*", [&](const WIN32_FIND_DATAW& data) {
    const std::string name = ToUtf8(data.cFileName);
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
      result.push_back(base + name);
  });
  return result;
}

std::vector<std::string> ListFiles(const std::string& directory, const std::string& pattern) {
  std::vector<std::string> result;
  if (directory.empty()) return result;
  ForEachEntry(WithSeparator(directory) + (pattern.empty() ? "*.*" : pattern), [&](const WIN32_FIND_DATAW& data) {
    if (IsOrdinary(data.dwFileAttributes)) result.push_back(ToUtf8(data.cFileName));
  });
  return result;
}

DirectoryEntries ListDirectory(const std::string& directory) {
  DirectoryEntries entries;
  if (directory.empty()) return entries;
  ForEachEntry(WithSeparator(directory) + "*", [&](const WIN32_FIND_DATAW& data) {
    const std::string name = ToUtf8(data.cFileName);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (name != "." && name != ".." && !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        entries.directories.push_back(name);
    } else if (IsOrdinary(data.dwFileAttributes)) {
      entries.files.push_back(name);
    }
  });
  return entries;
}

std::vector<FoundEntry> FindEntries(const std::string& pattern) {
  std::vector<FoundEntry> entries;
  if (pattern.empty()) return entries;
  ForEachEntry(pattern, [&](const WIN32_FIND_DATAW& data) {
    entries.push_back({ToUtf8(data.cFileName), data.dwFileAttributes});
  });
  return entries;
}

bool MoveFileReplacing(const std::string& from, const std::string& to) {
  if (from.empty() || to.empty()) return false;
  if (MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  if (GetLastError() != ERROR_NOT_SAME_DEVICE) return false;
  return CopyFileSafely(from, to, true) && RemoveFile(from);
}

namespace {

template <typename Convert>
std::string ConvertPath(const std::string& path, Convert convert) {
  if (path.empty()) return {};
  const std::wstring wide = ToWide(path);
  return GrowingText([&](wchar_t* buffer, DWORD size) { return convert(wide.c_str(), buffer, size); });
}

}  // namespace

std::string ShortPathName(const std::string& path) { return ConvertPath(path, GetShortPathNameW); }

std::string LongPathName(const std::string& path) { return ConvertPath(path, GetLongPathNameW); }

std::vector<std::string> ListDrives() {
  std::vector<std::string> result;
  // Asked letter by letter: the drive mask can lag behind a drive just mapped.
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const wchar_t root[4] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
    if (GetDriveTypeW(root) != DRIVE_NO_ROOT_DIR) result.push_back(std::string(1, letter) + ":");
  }
  return result;
}

}  // namespace platform
