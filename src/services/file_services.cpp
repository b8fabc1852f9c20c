#include "services/file_services.h"

#include <memory>

#include "platform/download.h"
#include "platform/host.h"
#include "platform/path.h"
#include "platform/process.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "support/associations.h"
#include "support/path_text.h"
#include "support/user_texts.h"

namespace {

// A directory is listed only with one of these exact sets of attribute bits.
bool IsListedDirectory(unsigned long attributes) {
  constexpr unsigned long kReadOnly = 0x1, kHidden = 0x2, kSystem = 0x4, kDirectory = 0x10, kArchive = 0x20;
  for (const unsigned long listed : {kDirectory, kDirectory | kReadOnly, kDirectory | kSystem,
                                     kDirectory | kHidden | kSystem, kDirectory | kArchive,
                                     kDirectory | kArchive | kReadOnly})
    if (attributes == listed) return true;
  return false;
}

// A name is taken when the association lookup finds the file, with a program
// for it or with none (31). Any other answer ends the search for a free name:
// Windows answers 3 for a missing folder, and 0 when out of memory.
bool ExistsForDownload(const std::string& name) {
  const int code = platform::FindExecutableFor(name).code;
  return code > 32 || code == 31;
}

}  // namespace

std::optional<platform::DateTime> getFileDate(const std::string& FileName) { return platform::CreationTime(FileName); }

bool FileMove(const std::string& Source, const std::string& Destination, bool Overwrite) {
  if (!platform::FileExists(Source)) return false;
  if (platform::FileExists(Destination)) {
    if (!Overwrite) return false;
    platform::MoveFileReplacing(Source, Destination);
  } else {
    platform::MoveFileTo(Source, Destination);
  }
  return platform::FileExists(Destination) && !platform::FileExists(Source);
}

std::string FileGetShortFileName(std::string Path) {
  const std::string shortName = platform::ShortPathName(Path);
  return shortName.empty() ? Path : shortName;
}

std::string FileGetLongFileName(std::string Path) {
  const std::string longName = Trim(platform::LongPathName(Path));
  return longName.empty() ? Path : longName;
}

std::optional<unsigned long> FileRun(std::string& Datei, int Style) {
  std::string directory = platform::WithSeparator(platform::CurrentDirectory());
  const auto last = Datei.rfind('\\');
  if (last != std::string::npos) {
    directory = Datei.substr(0, last + 1);
    Datei.erase(0, last + 1);
  }
  const std::string file = directory + Datei;
  const std::string ending = Datei.size() >= 4 ? platform::UpperCase(Datei.substr(Datei.size() - 4)) : std::string();
  if (ending == ".EXE" || ending == ".COM" || ending == ".BAT") return platform::StartTask(QuotePath(file), Style);

  const std::string program = FindExecutableOf(file);
  if (program.empty()) return std::nullopt;
  const auto separator = program.rfind('\\');
  if (separator != std::string::npos) {
    platform::ChangeDrive(program[0]);
    platform::ChangeDirectory(program.substr(0, separator));
  }
  const auto task = platform::StartTask(QuotePath(program) + " " + QuotePath(file), Style);
  platform::ChangeDrive(directory[0]);
  platform::ChangeDirectory(directory);
  return task;
}

bool ReadDirctoryStructureToFile(std::string& Path, const std::string& TargetTextFileName,
                                 const std::string& SearchExtension, bool AppendTarget) {
  if (platform::FileExists(TargetTextFileName)) {
    if (!AppendTarget) platform::RemoveFile(TargetTextFileName);
  }
  if (!platform::FileExists(TargetTextFileName) && !platform::CreateNewFile(TargetTextFileName)) return false;
  if (Path.empty() || Path.back() != '\\') Path += '\\';

  bool ok = true;
  auto target = std::make_unique<platform::TextFileWriter>(TargetTextFileName, platform::TextFileWriter::Mode::Append);
  if (!target->IsOpen()) return false;
  for (const platform::FoundEntry& entry : platform::FindEntries(Path + SearchExtension)) {
    if (IsListedDirectory(entry.attributes)) {
      platform::DoEvents();
      if (entry.name == "." || entry.name == "..") continue;
      ok = target->Close() && ok;
      std::string subdirectory = Path + entry.name;
      ok = ReadDirctoryStructureToFile(subdirectory, TargetTextFileName, SearchExtension, true) && ok;
      target = std::make_unique<platform::TextFileWriter>(TargetTextFileName, platform::TextFileWriter::Mode::Append);
      if (!target->IsOpen()) return false;
    } else {
      ok = target->WriteLine(Path + entry.name) && ok;
    }
  }
  return target->Close() && ok;
}

std::string URLToFileDownload(std::string URL_Source, std::string Path_Destination, int Overwrite) {
  URL_Source = Unenclosed(URL_Source);
  Path_Destination = Unenclosed(Path_Destination);
  const bool toDirectory = ExistsForDownload(Path_Destination) && platform::HasDirectoryAttribute(Path_Destination);
  const auto slash = URL_Source.rfind('/');
  // Without a "/" the address names no file to write into a directory.
  if (toDirectory && slash == std::string::npos) return {};
  const std::string segment = slash == std::string::npos ? std::string() : URL_Source.substr(slash + 1);

  std::string target;
  if (Overwrite != 0) {
    target = toDirectory ? platform::JoinPath(Path_Destination, segment) : Path_Destination;
    // Modes 1 and 2 keep an existing target and download nothing.
    if ((Overwrite == 1 || Overwrite == 2) && ExistsForDownload(target)) return {};
  } else {
    std::string directory = Path_Destination, name = segment;
    if (!toDirectory) {
      const auto separator = Path_Destination.rfind('\\');
      directory = separator == std::string::npos ? std::string() : Path_Destination.substr(0, separator);
      name = separator == std::string::npos ? Path_Destination : Path_Destination.substr(separator + 1);
    }
    const auto dot = name.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    const std::string base = dot == std::string::npos ? name : name.substr(0, dot);
    if (base.empty() && extension.empty()) return {};
    target = platform::JoinPath(directory, base + extension);
    for (int counter = 2; ExistsForDownload(target); ++counter)
      target = platform::JoinPath(directory, base + " (" + std::to_string(counter) + ")" + extension);
  }
  platform::DoEvents();
  return platform::DownloadToFile(URL_Source, target) ? target : std::string();
}

bool DownloadUpdateWithUpdater(const std::string& URLFileToDownload, const std::string& LocalFileToUpdate,
                               const std::string& LocalUpdaterEXE, const std::string& URLUpdaterEXE,
                               const std::string& ProgramParam) {
  if (!platform::FileExists(LocalUpdaterEXE)) {
    platform::DoEvents();
    URLToFileDownload(URLUpdaterEXE, LocalUpdaterEXE, 3);
    if (!platform::FileExists(LocalUpdaterEXE)) {
      platform::ShowMessage(texts::DownloadFailed(LocalUpdaterEXE), platform::MsgButtons::Ok,
                            platform::MsgIcon::Critical);
      return false;
    }
  }
  if (platform::FileExists(LocalUpdaterEXE)) {
    std::string commandLine = QuotePath(LocalUpdaterEXE) + " [URL]" + URLFileToDownload;
    if (!Trim(ProgramParam).empty()) commandLine += " [PARAM1] " + ProgramParam;
    commandLine += " [PATH]" + LocalFileToUpdate;
    platform::StartTask(commandLine, platform::kNormalWindowWithFocus);
    platform::EndProgram();
  }
  platform::ShowMessage(texts::UpdaterNotFound(LocalUpdaterEXE), platform::MsgButtons::Ok,
                        platform::MsgIcon::Critical, texts::kFileNotFound);
  return false;
}
