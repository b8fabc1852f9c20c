#include "launcher/launcher.h"

#include <algorithm>
#include <vector>

#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/path.h"
#include "platform/process.h"
#include "platform/text.h"
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

  BeginWriting(true);
  ImportAtStart();
  KeepBarPortable();
  if (!state_.PortableIni.empty()) KeepWebPortable(false);
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
    CopyIntoPortableFile(real, folder_.File(kPortableBar), Force::Yes, Copy::MadePortable);
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
