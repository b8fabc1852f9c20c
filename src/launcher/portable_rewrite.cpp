#include "launcher/portable_rewrite.h"

#include "platform/text.h"
#include "support/line_text.h"
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

std::string RewriteFileLine(std::string_view bytes, platform::TextEncoding encoding, const std::string& find1,
                            const std::string& find2, const std::string& replacement) {
  std::vector<LinePiece> pieces = DecodeLine(bytes, encoding);
  bool changed = false;
  for (LinePiece& piece : pieces) {
    if (piece.form == LinePiece::Form::Bytes) continue;
    std::string rewritten = RewriteLine(piece.text, find1, find2, replacement);
    if (rewritten == piece.text) continue;
    piece.text = std::move(rewritten);
    changed = true;
  }
  std::string result;
  return changed && EncodeLine(pieces, result) ? result : std::string(bytes);
}

bool LineHolds(std::string_view bytes, platform::TextEncoding encoding, const std::string& upperFind1,
               const std::string& upperFind2) {
  if (bytes.empty()) return false;
  if (upperFind1.empty() || upperFind2.empty()) return true;
  const std::string upper = platform::UpperCase(LineText(bytes, encoding));
  return Contains(upper, upperFind1) || Contains(upper, upperFind2);
}
