#include "support/ini.h"

#include "platform/file_system.h"
#include "platform/path.h"
#include "platform/text_file.h"
#include "support/ini_keys.h"
#include "support/path_text.h"

namespace {

// Blanks in front of a (quoted) value are dropped; blanks behind it stay.
std::string TrimLeadingBlanks(const std::string& value) {
  const auto first = value.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : value.substr(first);
}

}  // namespace

std::string IniReadValue(const std::string& section, const std::string& key, const std::string& file,
                         const std::string& defaultValue, bool create) {
  if (!platform::FileExists(file)) {
    if (create) CreateEmptyFile(file);
    return defaultValue;
  }
  const std::string absolute = MakeAbsolutePath(file);
  // Read in blocks, a large ini never held whole for one key; the file is
  // closed before it may be written.
  const std::string value = [&] {
    IniLineReader reader(IniLineReader::FromFile{}, absolute);
    return TrimLeadingBlanks(FindIniValue(reader, section, key).value_or(""));
  }();
  if (!value.empty()) return value;
  if (!defaultValue.empty() && create) IniWriteValue(section, key, defaultValue, absolute, create);
  return defaultValue;
}

bool IniWriteValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file, bool create) {
  if (!platform::FileExists(file) && !create) return false;
  const std::string path = platform::FullPathName(MakeAbsolutePath(file));
  // A missing file is written whole with its key, never first as an empty
  // file: one left by a failed write (a full stick) would pass for settings.
  // A hidden file keeps its content.
  std::string& bytes = platform::SharedReadBuffer();
  bytes.clear();
  if (platform::FileExistsHiddenToo(path) && !platform::ReadFileBytes(path, bytes)) return false;
  // A key that holds the value already leaves the file untouched.
  if (FindIniValue(bytes, section, key) == value) return true;
  return platform::ReplaceFileContent(path, WithIniValue(bytes, section, key, value));
}

std::string MakeAbsolutePath(const std::string& name) {
  if (Contains(name, ":")) return name;
  const std::string combined = platform::JoinPath(platform::CurrentDirectory(), name);
  return platform::FileExists(combined) ? combined : name;
}

// Callers create only files they found missing; one that the existence test
// cannot see (hidden, system) keeps its content.
void CreateEmptyFile(const std::string& name) { platform::CreateNewFile(name); }
