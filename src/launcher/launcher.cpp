#include "launcher/launcher.h"

#include <algorithm>
#include <vector>

#include "controls/resource_ids.h"
#include "files_dialog/files.h"
#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/medium_changes.h"
#include "platform/path.h"
#include "platform/process.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "plugins/plugin_search.h"
#include "support/config_web.h"
#include "support/ini.h"
#include "support/path_text.h"
#include "support/portable_rewrite.h"
#include "support/user_texts.h"

namespace {

bool HoldsTotalCommander(const TotalCommanderFolder& folder) {
  return platform::FileExists(folder.TCExe64) || platform::FileExists(folder.TCExe32);
}

}  // namespace

Launcher::Launcher(StartInfo start)
    : start_(std::move(start)), switches_(ParseStartSwitches(start_.rawCommandLine)) {}

std::string Launcher::RemoveDRIVE_and_PATH(const std::string& SourceString) const {
  return folder_.Expand(SourceString);
}

Launcher::Outcome Launcher::StartUp() {
  state_.TCCommandLine = Trim(start_.rawCommandLine);
  state_.FilesImported = false;
  folder_ = FolderOf(start_.executableDirectory);
  if (switches_.mode == StartMode::Help) return Outcome::Help;
  if (!LocateTotalCommander()) return Outcome::Help;
  state_.TCPathMatch = folder_.TCPath;

  keepSmall_ = true;
  BeginWriting();
  keepSmall_ = false;
  ImportAtStart();
  KeepBarPortable();
  if (!state_.PortableIni.empty()) KeepWebPortable(false);
  readSmall_.clear();  // what the user may change later in the setup window is read anew
  RememberHandedOver();
  if (state_.FilesImported || switches_.offersShortcuts) CreateDesktopShortCut();
  EnterTotalCommandersFolder();
  AddPortableFilesToCommandLine();

  if (switches_.mode == StartMode::Setup) return Outcome::Setup;
  StartTotalCommander();
  return Outcome::Launched;
}

// Beside the launcher, else in the first subfolder in the list's order that
// holds it; said when there is none.
bool Launcher::LocateTotalCommander() {
  if (HoldsTotalCommander(folder_)) return true;
  const std::string below = FindTCSubDirectory(folder_.TCPath);
  if (below.empty()) {
    folder_ = WithoutTotalCommander(start_.executableDirectory);
    platform::Tell(texts::RunInTotalCommandersDirectory(start_.executableBaseName), platform::MsgIcon::Information,
               texts::kFileNotFound);
    return false;
  }
  folder_ = FolderOf(below, true);
  platform::ChangeDirectory(folder_.TCDir);
  return true;
}

// Total Commander starts in its folder, on its drive.
void Launcher::EnterTotalCommandersFolder() {
  if (!folder_.TCPath.empty() && !platform::IsSeparator(folder_.TCPath[0])) platform::ChangeDrive(folder_.TCPath[0]);
  platform::ChangeDirectory(folder_.TCPath);
}

std::string Launcher::FindTCSubDirectory(const std::string& Path) const {
  // In the order the directory list shows them.
  std::vector<std::string> directories = platform::ListSubdirectories(Path);
  platform::SortIgnoringCase(directories);
  for (const std::string& directory : directories)
    if (HoldsTotalCommander(FolderOf(directory))) return platform::WithoutSeparator(directory);
  return {};
}

// A portable file is imported when it is missing, or when the user's command
// line names another ini of its kind.
void Launcher::ImportAtStart() {
  LauncherState& s = state_;
  const std::string commandUpper = platform::UpperCase(s.TCCommandLine);
  if (!platform::FileExistsHiddenToo(folder_.File(kPortableIni)) || Contains(commandUpper, " /I="))
    ImportIni(Force::No);
  else
    s.PortableIni = folder_.File(kPortableIni);
  if (!platform::FileExistsHiddenToo(folder_.File(kPortableFtpIni)) || Contains(commandUpper, " /F="))
    ImportFTPIni(Force::No);
  else
    s.PortableFtpIni = folder_.File(kPortableFtpIni);
}

// The bar the portable ini names is brought into the portable bar each time.
void Launcher::KeepBarPortable() {
  LauncherState& s = state_;
  if (s.PortableIni.empty() || !platform::FileExists(s.PortableIni)) return;
  const std::string bar = IniReadValue(kButtonbar, kButtonbar, s.PortableIni, folder_.File("Default.bar"), false);
  const std::string real = folder_.Expand(bar);
  if (real.empty() || !platform::FileExists(real)) return;
  // A portable file (a sub-bar's copy made the main bar in a session) is never the original of another.
  if (!IsPortableFile(real, folder_)) barOriginal_ = real;
  const std::string portable = folder_.Portable(real);
  if (portable != bar && !IniWriteValue(kButtonbar, kButtonbar, portable, s.PortableIni, false))
    ReportUnwritable(s.PortableIni);
  if (!platform::FileExists(real)) return;
  // A bar copied now (a first start that a pulled stick cut short) is made
  // portable whole, drive included, as the import makes it: a drive left in
  // it would break its buttons on the next letter.
  if (!platform::FileExistsHiddenToo(folder_.File(kPortableBar))) {
    CopyIntoPortableFile(real, folder_.File(kPortableBar), Force::Yes);
    MakePortable(folder_.File(kPortableBar));
  } else {
    CopyAndParseFile(real, folder_.File(kPortableBar), folder_.TCDir, state_.TCPathMatch, kCommanderPath, Force::Yes);
  }
  BringMissingCompanion(real);
  // Where the ini names the portable bar already, reading the whole ini again would change nothing.
  if (portable != InCommanderPath(kPortableBar)) UsePortableBar(s.PortableIni);
}

void Launcher::AddPortableFilesToCommandLine() {
  LauncherState& s = state_;
  const bool addIni = !Contains(platform::UpperCase(s.TCCommandLine), " /I=") && !s.PortableIni.empty() &&
                      platform::FileExistsHiddenToo(s.PortableIni);
  if (s.PortableFtpIni.empty() && platform::FileExistsHiddenToo(folder_.File(kPortableFtpIni)))
    s.PortableFtpIni = folder_.File(kPortableFtpIni);
  const bool addFtp = !s.PortableFtpIni.empty() && platform::FileExistsHiddenToo(s.PortableFtpIni);
  // A quote the user left open would swallow the switches behind it.
  if ((addIni || addFtp) && std::count(s.TCCommandLine.begin(), s.TCCommandLine.end(), '"') % 2 == 1)
    s.TCCommandLine += '"';
  if (addIni) s.TCCommandLine += " /i=" + QuotePath(s.PortableIni);
  if (addFtp) s.TCCommandLine += " /f=" + QuotePath(s.PortableFtpIni);
}

void Launcher::StartTotalCommander() {
  std::string executable;
  if (platform::FileExists(folder_.TCExe64))
    executable = folder_.TCExe64;
  else if (platform::FileExists(folder_.TCExe32))
    executable = folder_.TCExe32;
  if (executable.empty()) {
    platform::Tell(texts::kTotalCommanderNotFound, platform::MsgIcon::Information, texts::kFileNotFound);
    return;
  }
  if (!platform::StartProgram(Trim(QuotePath(executable) + " " + state_.TCCommandLine),
                              platform::WindowStyle::NormalWithFocus))
    platform::Tell(texts::CannotStart(executable), platform::MsgIcon::Critical,
               std::string(platform::kApplicationTitle));
}

void Launcher::BeginWriting() {
  if (begun_) return;
  begun_ = true;
  FinishInterruptedReplacements();
  MakeSessionPortable();
}

void Launcher::FinishInterruptedReplacements() {
  platform::FinishInterruptedReplacements(folder_.TCPath, std::string(kPortablePrefix), {kRewriteScratchSuffix});
}

void Launcher::MakeSessionPortable() {
  if (platform::ReadFileBytes(folder_.File(kHandedOverFile), remembered_)) handed_ = ReadHandedOver(remembered_);
  if (handed_) {
    rememberedAt_ = platform::LastWriteTicks(folder_.File(kHandedOverFile));
    if (!handed_->bar.empty()) barOriginal_ = folder_.Expand(handed_->bar);
    for (const auto& [name, hashes] : handed_->files)
      if (std::vector<std::uint64_t> lines; MakeSessionPortable(folder_.File(name), &hashes, &lines))
        read_[name] = std::move(lines);
  } else if (platform::FileExists(folder_.File(kPortableIni))) {
    // Portable files without a memory (deleted, broken, of an older version)
    // hold paths written with a letter nobody knows: they are made portable
    // with today's folder and drive, as at a first start.
    handed_ = Today();
    for (const std::string_view name : {kPortableIni, kPortableFtpIni, kPortableBar})
      if (std::vector<std::uint64_t> lines; MakeSessionPortable(folder_.File(name), nullptr, &lines))
        read_[std::string(name)] = std::move(lines);
  }
  readAtChange_ = platform::MediumChangesCounted();
}

HandedOver Launcher::Today() const {
  HandedOver today{folder_.TCDir, folder_.drive, {}};
  // Windows' own drive is never the medium's, whatever Total Commander writes with its letter.
  if (platform::UpperCase(today.drive) == platform::UpperCase(platform::SystemDrive())) today.drive.clear();
  return today;
}

bool Launcher::MakeSessionPortable(const std::string& file, const std::vector<std::uint64_t>* handedLines,
                                   std::vector<std::uint64_t>* lines, const HandedOver* letters) {
  // A hidden or system file is the user's own. A large file is read in blocks, never held whole.
  constexpr std::uint64_t kSmall = 64 * 1024;
  const std::optional<std::uint64_t> size = platform::OrdinaryFileSize(file);
  if (!handed_ || !size) return false;
  if (!letters) letters = &*handed_;
  std::string bytes;
  const bool small = keepSmall_ && *size <= kSmall && platform::ReadFileBytes(file, bytes);
  std::optional<SessionConversion> conversion;
  if (small)
    conversion.emplace(bytes, handedLines, *letters);
  else
    conversion.emplace(IniLineReader::FromFile{}, file, handedLines, *letters);
  bool written = false;
  if (conversion->FindChange()) {
    written = platform::ReplaceFileContentInPieces(
        file, [&](const platform::PieceWriter& write) { return conversion->WriteTo(write); });
    if (!written && !conversion->Failed()) ReportUnwritable(file);
  }
  std::vector<std::uint64_t> known = conversion->Lines(written);
  if (conversion->Failed()) return false;
  if (small && !written) readSmall_[platform::UpperCase(file)] = std::move(bytes);
  if (lines) *lines = std::move(known);
  return true;
}

bool Launcher::Exists(const std::string& file) const { return ReadAtStart(file) || platform::FileExists(file); }

const std::string* Launcher::ReadAtStart(const std::string& file) const {
  if (readSmall_.empty() || platform::MediumChangesCounted() != readAtChange_) return nullptr;
  const auto found = readSmall_.find(platform::UpperCase(file));
  return found == readSmall_.end() ? nullptr : &found->second;
}

void Launcher::RememberHandedOver() {
  // Without Total Commander's folder, no later start could convert by it.
  if (folder_.TCDir.empty()) return;
  HandedOver handed = Today();
  if (!barOriginal_.empty()) handed.bar = folder_.Portable(barOriginal_);
  std::vector<std::string> files = web_;
  files.insert(files.end(), {folder_.File(kPortableIni), folder_.File(kPortableFtpIni), folder_.File(kPortableBar)});
  // Where nothing was written since the files were read at the start, their lines are known.
  const bool unchanged = handed_ && platform::MediumChangesCounted() == readAtChange_;
  // Large lists and buffers are lent, not copied: fresh memory is slow to touch.
  std::string& read = platform::SharedReadBuffer();
  for (const std::string& file : files) {
    const std::string name = ExtractFileName(file);
    if (handed.files.contains(name)) continue;
    if (unchanged && read_.contains(name))
      handed.files[name].swap(read_.at(name));
    else if (platform::FileExists(file) && platform::ReadFileBytes(file, read))
      handed.files[name] = LineHashes(read);
  }
  const std::string memory = folder_.File(kHandedOverFile);
  std::string& remembered = read;
  HandedOverBytes(handed, remembered);
  if (unchanged)
    for (auto& [name, lines] : handed.files)
      if (read_.contains(name)) read_.at(name).swap(lines);
  if (!unchanged) platform::ReadFileBytes(memory, remembered_);
  // Nothing changed, nothing written. A memory that cannot be written (a
  // write-protected stick) is not the user's concern: the next start then
  // goes by the one before, and converts only what it would have converted.
  // The memory is Ambler's own: a read-only mark (a folder restored from a
  // CD) would keep it stale for good.
  if (handed.files.empty() || remembered_ == remembered) return;
  if (platform::MakeWritable(memory) && platform::ReplaceFileContent(memory, remembered)) remembered_ = remembered;
}

void Launcher::ShowPluginWindow() {
  BeginWriting();
  // It carries the main window's icon.
  PluginSearch window(folder_, IDI_AMBLER);
  window.ShowModal();
}

std::string Launcher::BrowseForFile(const std::string& folder, const std::string& caption,
                                    const std::string& defaultName) {
  Files dialog;
  return dialog.FileOpenDialog(folder, caption, defaultName);
}
