// The import of one of Total Commander's files into its portable copy, and the
// rewrite of the copy's paths.
#include "launcher/form1.h"
#include "launcher/portable_rewrite.h"
#include "platform/files.h"
#include "platform/host.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "support/file_copy.h"
#include "support/path_text.h"

namespace {

const std::string CR = "\r";

bool AnyLineHolds(const std::string& file, const std::string& f1, const std::string& f2) {
  platform::TextFileReader reader(file);
  std::string line;
  while (reader.ReadLine(line))
    if (LineHolds(line, reader.Encoding(), f1, f2)) return true;
  return false;
}

// Writes the rewritten lines into the scratch file and only then puts it in
// the destination's place: whatever fails, the destination keeps its content
// and no scratch file is left.
void RewriteThroughScratch(const std::string& destination, const std::string& scratch, const std::string& f1,
                           const std::string& f2, const std::string& replacement) {
  bool written = false;
  {
    platform::TextFileReader reader(destination);
    // The copy keeps the file's form: its mark, its encoding, its line ends.
    platform::TextFileWriter writer(scratch, platform::TextFileWriter::Mode::Create, reader.Encoding());
    auto rewrite = [&](const std::string& line) {
      return RewriteFileLine(line, reader.Encoding(), f1, f2, replacement);
    };
    bool ok = reader.IsOpen() && writer.IsOpen();
    std::string pending, line;
    bool havePending = false;
    while (ok && reader.ReadLine(line)) {
      if (havePending) ok = writer.WriteLine(rewrite(pending));
      pending.swap(line);
      havePending = true;
    }
    // The last line is dropped when it is blank.
    if (ok && havePending && !pending.empty()) ok = writer.WriteLine(rewrite(pending));
    ok = ok && !reader.Failed();
    written = writer.Close() && ok;
  }
  if (!written || !platform::ReplaceFileWith(destination, scratch)) platform::RemoveFile(scratch);
}

}  // namespace

std::string Form1::RemoveDRIVE_and_PATH(const std::string& SourceString) const {
  std::string path = "%COMMANDER_PATH%";
  std::string drive = "%COMMANDER_DRIVE%";
  const std::string result = ReplaceText(SourceString, path, state_.TCDir, false);
  return ReplaceText(result, drive, state_.TCDir.substr(0, 2), false);
}

void Form1::CopyAndParseFile(const std::string& SourceFile, const std::string& DestinationFile,
                             const std::string& FindSTr1, const std::string& FindStr2,
                             const std::string& replacestring, bool FORCE) {
  using platform::MsgButtons;
  using platform::MsgIcon;
  using platform::MsgResult;

  if (platform::UpperCase(SourceFile) == platform::UpperCase(DestinationFile) && !FORCE) {
    platform::ShowMessage("Source & Destination Files are the same:" + CR + CR + SourceFile, MsgButtons::Ok,
                          MsgIcon::Critical, "Error: same file selected!");
    return;
  }

  if (!platform::FileExists(DestinationFile) || FORCE) {
    const std::string name = ExtractFileName(SourceFile);
    bool asked = false;
    // Without FORCE a missing source is no choice: the other offers follow.
    std::string src = FORCE || platform::FileExists(SourceFile) ? SourceFile : std::string();
    if (!src.empty() && !FORCE) {
      asked = true;
      const auto answer = platform::ShowMessage(
          "Import from current directory: '" + name + "'" + CR + CR + "to: '" + ExtractFileName(DestinationFile) +
              "'" + CR + CR + CR + "Important: original file will not be changed!!",
          MsgButtons::YesNo, MsgIcon::Question, "First Start: Import file?");
      if (answer == MsgResult::No) src.clear();
    }
    if (src.empty()) {
      const std::string desktop = GetDesktopFolderPath();
      const std::string w = desktop.empty() ? std::string() : desktop.substr(0, 1) + ":\\Windows\\" + name;
      if (!w.empty() && platform::FileExists(w)) {
        asked = true;
        if (platform::ShowMessage("Import from Windows directory?" + CR + CR + w + CR + CR +
                                      "Important: original file will not be changed!!",
                                  MsgButtons::YesNo, MsgIcon::Question,
                                  "First Start: Import from Windows directory?") == MsgResult::Yes)
          src = w;
        if (src.empty() || !platform::FileExists(src)) src.clear();
      }
    }
    if (src.empty()) {
      asked = true;
      if (platform::ShowMessage("Browse for " + name + " File now?" + CR + CR + "Target: " + DestinationFile,
                                MsgButtons::YesNo, MsgIcon::Question, "First Start: Browse for File?") ==
          MsgResult::Yes) {
        src = BrowseForFile(platform::CurrentDirectory(), "Please import - File select (eg.:" + name + "'", "*.*");
        if (src == "*.*" || Trim(src).empty()) src.clear();
      }
    }
    bool copied = false, copyFailed = false;
    if (!Trim(src).empty() && platform::FileExists(src) && !platform::FileExists(DestinationFile)) {
      copied = CopyFileOver(src, DestinationFile, true);
      copyFailed = !copied;
      state_.FilesImported = true;
    }
    // An empty file in place of a copy that failed (a full stick) would stand
    // for the user's settings from then on; without it the next start retries.
    if (!copyFailed && !platform::FileExists(DestinationFile)) platform::CreateNewFile(DestinationFile);
    if (asked && !copied)
      platform::ShowMessage("Import cancled!", MsgButtons::Ok, MsgIcon::Information, "Cancled");
  }

  if (!platform::FileExists(DestinationFile)) return;
  const std::string f1 = platform::UpperCase(FindSTr1);
  const std::string f2 = platform::UpperCase(FindStr2);
  state_.LineFound = AnyLineHolds(DestinationFile, f1, f2);
  if (!state_.LineFound) return;
  const std::string scratch = DestinationFile + "_temp2.txt";
  platform::RemoveFile(scratch);
  RewriteThroughScratch(DestinationFile, scratch, f1, f2, replacestring);
}
