// The rewrite of a whole file, through its scratch file.
#include <algorithm>
#include <vector>

#include "platform/file_system.h"
#include "platform/path.h"
#include "support/portable_rewrite.h"

namespace {

struct Pass {
  std::string find1, find2, replacement;
};

// The passes over the source, each as RewriteFile would make it on what the
// pass before left, in one reading and one writing, into target (the source
// itself, or a new file). A pass that changes a line drops the last line when
// blank, as it writes the file anew; where no pass changes one, nothing is
// written.
RewriteResult RewriteInPasses(const std::string& source, const std::string& target, const std::vector<Pass>& passes) {
  std::vector<PortableLineRewriter> rewriters;
  for (const Pass& pass : passes) rewriters.emplace_back(pass.find1, pass.find2, pass.replacement);
  std::vector<std::string> rewritten(passes.size());
  std::size_t passesChanging = 0;
  bool found = false;
  const bool written = platform::ReplaceThroughFileBeside(
      target,
      [&](const std::string& scratch) {
        platform::TextFileReader reader(source);
        std::vector<bool> changing(passes.size());
        // The line after every pass; it lies in line or in one of rewritten.
        std::string line;
        const auto passOver = [&]() -> const std::string& {
          const std::string* now = &line;
          for (std::size_t p = 0; p < rewriters.size(); ++p) {
            const auto result = rewriters[p].Rewrite(*now, reader.Encoding(), rewritten[p]);
            found = found || result.holds;
            if (!result.changed) continue;
            changing[p] = true;
            now = &rewritten[p];
          }
          return *now;
        };
        const auto anyChanging = [&] { return std::find(changing.begin(), changing.end(), true) != changing.end(); };
        // The lines before the first that a pass changes stay as they are;
        // while none changes, nothing is written at all.
        std::vector<std::string> before;
        const std::string* first = nullptr;
        while (!first && reader.ReadLine(line)) {
          const std::string& after = passOver();
          if (anyChanging()) first = &after;
          else before.push_back(after);
        }
        if (!first) return false;
        // The copy keeps the file's form: its mark, its encoding, its line ends.
        platform::TextFileWriter writer(scratch, platform::TextFileWriter::Mode::Create, reader.Encoding());
        bool ok = writer.IsOpen();
        // Blank lines wait for a line behind them: the last ones may be dropped.
        std::size_t blanks = 0;
        const auto write = [&](const std::string& text) {
          if (text.empty()) {
            ++blanks;
            return;
          }
          for (; ok && blanks > 0; --blanks) ok = writer.WriteLine("");
          ok = ok && writer.WriteLine(text);
        };
        for (const std::string& unchanged : before) write(unchanged);
        write(*first);
        while (ok && reader.ReadLine(line)) write(passOver());
        passesChanging = static_cast<std::size_t>(std::count(changing.begin(), changing.end(), true));
        for (blanks -= std::min(blanks, passesChanging); ok && blanks > 0; --blanks) ok = writer.WriteLine("");
        return writer.Close() && ok && !reader.Failed();
      },
      target + kRewriteScratchSuffix);
  return {found, passesChanging > 0 && !written, written};
}

std::vector<Pass> BothPasses(const std::string& TCDir, const std::string& TCPathMatch) {
  std::vector<Pass> passes = {{TCDir, TCPathMatch, kCommanderPath}};
  if (const std::string drive = platform::DriveOf(TCDir); !drive.empty())
    passes.push_back({drive, drive, kCommanderDrive});
  return passes;
}

}  // namespace

RewriteResult RewriteFile(const std::string& file, const std::string& find1, const std::string& find2,
                          const std::string& replacement) {
  return RewriteInPasses(file, file, {{find1, find2, replacement}});
}

RewriteResult MakePortable(const std::string& file, const std::string& TCDir, const std::string& TCPathMatch) {
  return RewriteInPasses(file, file, BothPasses(TCDir, TCPathMatch));
}

RewriteResult CopyMadePortable(const std::string& source, const std::string& target, const std::string& TCDir,
                               const std::string& TCPathMatch) {
  return RewriteInPasses(source, target, BothPasses(TCDir, TCPathMatch));
}
