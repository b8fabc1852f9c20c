#include "support/portable_rewrite.h"

#include <vector>

#include "platform/files.h"
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

bool RewriteFile(const std::string& file, const std::string& find1, const std::string& find2,
                 const std::string& replacement) {
  const std::string f1 = platform::UpperCase(find1), f2 = platform::UpperCase(find2);
  bool found = false;
  platform::ReplaceThroughFileBeside(
      file,
      [&](const std::string& scratch) {
        platform::TextFileReader reader(file);
        // The lines before the first that holds a search text stay as they
        // are; while none holds, nothing is written at all.
        std::vector<std::string> before;
        std::string line;
        while (!found && reader.ReadLine(line)) {
          if (LineHolds(line, reader.Encoding(), f1, f2))
            found = true;
          else
            before.push_back(std::move(line));
        }
        if (!found) return false;
        // The copy keeps the file's form: its mark, its encoding, its line ends.
        platform::TextFileWriter writer(scratch, platform::TextFileWriter::Mode::Create, reader.Encoding());
        bool ok = writer.IsOpen();
        for (const std::string& unchanged : before) ok = ok && writer.WriteLine(unchanged);
        // A line is written once the next is read: the last is dropped when blank.
        std::string pending = std::move(line);
        while (ok && reader.ReadLine(line)) {
          ok = writer.WriteLine(RewriteFileLine(pending, reader.Encoding(), f1, f2, replacement));
          pending.swap(line);
        }
        if (ok && !pending.empty())
          ok = writer.WriteLine(RewriteFileLine(pending, reader.Encoding(), f1, f2, replacement));
        return writer.Close() && ok && !reader.Failed();
      },
      file + "_temp2.txt");
  return found;
}
