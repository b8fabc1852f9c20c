// The rewrite of a whole file, through its scratch file.
#include <vector>

#include "platform/file_system.h"
#include "platform/text.h"
#include "support/portable_rewrite.h"
#include "support/total_commander_folder.h"

RewriteResult RewriteFile(const std::string& file, const std::string& find1, const std::string& find2,
                          const std::string& replacement) {
  const std::string f1 = platform::UpperCase(find1), f2 = platform::UpperCase(find2);
  bool found = false, changed = false;
  const bool written = platform::ReplaceThroughFileBeside(
      file,
      [&](const std::string& scratch) {
        platform::TextFileReader reader(file);
        // The lines before the first that the rewrite changes stay as they
        // are; while none changes, nothing is written at all.
        std::vector<std::string> before;
        std::string line, rewritten;
        while (!changed && reader.ReadLine(line)) {
          if (LineHolds(line, reader.Encoding(), f1, f2)) {
            found = true;
            rewritten = RewriteFileLine(line, reader.Encoding(), f1, f2, replacement);
            changed = rewritten != line;
          }
          if (!changed) before.push_back(std::move(line));
        }
        if (!changed) return false;
        // The copy keeps the file's form: its mark, its encoding, its line ends.
        platform::TextFileWriter writer(scratch, platform::TextFileWriter::Mode::Create, reader.Encoding());
        bool ok = writer.IsOpen();
        for (const std::string& unchanged : before) ok = ok && writer.WriteLine(unchanged);
        // A line is written once the next is read: the last is dropped when blank.
        std::string pending = std::move(rewritten);
        while (ok && reader.ReadLine(line)) {
          ok = writer.WriteLine(pending);
          pending = RewriteFileLine(line, reader.Encoding(), f1, f2, replacement);
        }
        if (ok && !pending.empty()) ok = writer.WriteLine(pending);
        return writer.Close() && ok && !reader.Failed();
      },
      file + kRewriteScratchSuffix);
  return {found, changed && !written};
}

RewriteResult MakePortable(const std::string& file, const TotalCommanderFolder& folder) {
  RewriteResult result = RewriteFile(file, folder.dir, folder.path, kCommanderPath);
  if (folder.drive.empty()) return result;
  const RewriteResult drive = RewriteFile(file, folder.drive, folder.drive, kCommanderDrive);
  return {result.lineFound || drive.lineFound, result.failed || drive.failed};
}
