#include "support/portable_rewrite.h"

#include "platform/path.h"
#include "platform/text.h"
#include "support/line_text.h"
#include "support/path_text.h"

std::string PortableValue(const std::string& value, const std::string& directory) {
  std::string find = directory;
  std::string result = find.empty() ? value : ReplaceAtWordStart(value, find, kCommanderPath);
  std::string drive = platform::DriveOf(directory);
  return drive.empty() ? result : ReplaceAtWordStart(result, drive, kCommanderDrive);
}

std::string RewriteLine(std::string line, std::string find1, std::string find2, const std::string& replacement,
                        bool afterWord) {
  if (!find1.empty()) line = ReplaceAtWordStart(line, find1, replacement, afterWord);
  if (!find2.empty()) line = ReplaceAtWordStart(line, find2, replacement, afterWord);
  return line;
}

std::string RewriteFileLine(std::string_view bytes, platform::TextEncoding encoding, const std::string& find1,
                            const std::string& find2, const std::string& replacement) {
  std::vector<LinePiece> pieces = DecodeLine(bytes, encoding);
  bool changed = false;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    LinePiece& piece = pieces[i];
    if (piece.form == LinePiece::Form::Bytes || piece.form == LinePiece::Form::Mark) continue;
    // Bytes that decode to nothing lie beyond ASCII, inside a word as before.
    const bool afterWord = i > 0 && pieces[i - 1].form == LinePiece::Form::Bytes;
    std::string rewritten = RewriteLine(piece.text, find1, find2, replacement, afterWord);
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
