#include "launcher/portable_rewrite.h"

#include "support/path_text.h"

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::string DriveOf(const std::string& directory) {
  return directory.size() >= 2 && IsAsciiLetter(directory[0]) && directory[1] == ':' ? directory.substr(0, 2)
                                                                                     : std::string();
}

std::string PortableValue(const std::string& value, const std::string& directory) {
  std::string find = directory;
  std::string result = find.empty() ? value : ReplaceAtWordStart(value, find, "%COMMANDER_PATH%");
  std::string drive = DriveOf(directory);
  return drive.empty() ? result : ReplaceAtWordStart(result, drive, "%COMMANDER_DRIVE%");
}

std::string RewriteLine(std::string line, std::string find1, std::string find2, const std::string& replacement) {
  if (!find1.empty()) line = ReplaceAtWordStart(line, find1, replacement);
  if (!find2.empty()) line = ReplaceAtWordStart(line, find2, replacement);
  return line;
}
