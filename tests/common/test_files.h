#pragma once
// Real files in real folders for tests.

#include <filesystem>
#include <string>
#include <vector>

// Lists of names, lines and texts, as the tests compare them.
using Strings = std::vector<std::string>;

namespace test {

// A new empty folder under the system's temp folder, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const;

 private:
  std::string path_;
};

// A path of the program's text (UTF-8) as the standard library takes it.
std::filesystem::path Fs(const std::string& path);

// Both make the folders the file is to lie in.
void WriteFile(const std::string& path, const std::string& bytes);
void CopyTo(const std::string& from, const std::string& to);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
// A file's lines as the program's text reader splits them.
std::vector<std::string> FileLines(const std::string& path);
std::vector<std::string> Names(const std::string& folder);
enum Attribute : unsigned long { kReadOnly = 0x1, kHidden = 0x2, kSystem = 0x4 };
unsigned long Attributes(const std::string& path);
void SetAttributes(const std::string& path, unsigned long attributes);
std::filesystem::file_time_type ModificationTime(const std::string& path);

// The corpus of real configuration files beside the project, or empty when this checkout has none.
std::string CorpusFile(const std::string& name);

bool UnderWine();
#define SKIP_WITHOUT_WINE(why) \
  if (!test::UnderWine()) GTEST_SKIP() << "needs Wine's Unix host: " << (why)

// Runs a command of the Unix host from inside Wine; its exit code (-1 on Windows).
int RunUnix(const std::string& command);
// The host's Unix name of a Windows path under Wine; a Unix path as Wine's drive Z: names it.
std::string UnixPath(const std::string& windowsPath);
inline std::string InQuotes(const std::string& text) { return std::string(1, '"').append(text).append(1, '"'); }
std::string WindowsPath(const std::string& unixPath);

// Associates files of the extension ("html") with a program for as long as the object lives, under a file kind
// of its own; an association the test prefix had already is kept (IsActive() is false then).
class Association {
 public:
  Association(const std::string& extension, const std::string& program);
  ~Association();
  Association(const Association&) = delete;
  Association& operator=(const Association&) = delete;
  bool IsActive() const { return active_; }

 private:
  std::string extension_;
  bool active_ = false;
};

// Makes the drive letter stand for the folder (a path under Z:) until the object goes.
class MappedDrive {
 public:
  MappedDrive(char letter, const std::string& folder);
  ~MappedDrive();
  MappedDrive(const MappedDrive&) = delete;
  MappedDrive& operator=(const MappedDrive&) = delete;

  std::string Root() const { return std::string(1, letter_) + ":\\"; }

 private:
  std::wstring DeviceName() const { return {static_cast<wchar_t>(letter_), L':'}; }

  char letter_;
  std::string link_;
};

}  // namespace test
