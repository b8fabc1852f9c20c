#include "launcher/launcher.h"

#include <algorithm>
#include <vector>

#include "platform/files.h"
#include "platform/host.h"
#include "platform/path.h"
#include "platform/process.h"
#include "platform/text.h"
#include "support/ini.h"
#include "support/path_text.h"
#include "support/portable_rewrite.h"
#include "support/user_texts.h"

namespace {

constexpr const char* kTotalCommander64 = "TOTALCMD64.EXE";
constexpr const char* kTotalCommander32 = "Totalcmd.exe";

bool HoldsTotalCommander(const std::string& directory) {
  return platform::FileExists(directory + kTotalCommander64) || platform::FileExists(directory + kTotalCommander32);
}

}  // namespace

Launcher::Launcher(StartInfo start, LauncherUser& user)
    : start_(std::move(start)), switches_(ParseStartSwitches(start_.rawCommandLine)), user_(user) {}

std::string Launcher::getTCPath() const { return state_.TCPath; }

std::string Launcher::getPortableINI() const { return state_.TCPath + kPortableIni; }

std::string Launcher::RemoveDRIVE_and_PATH(const std::string& SourceString) const {
  std::string path = kCommanderPath, drive = kCommanderDrive;
  const std::string result = ReplaceText(SourceString, path, state_.TCDir, false);
  return ReplaceText(result, drive, state_.TCDir.substr(0, 2), false);
}

void Launcher::UseDirectory(const std::string& path, bool foundBelow) {
  state_.TCPath = path;
  state_.TCExe64 = path + kTotalCommander64;
  // Named in lower case after a search below; the file system ignores the difference.
  state_.TCExe32 = path + (foundBelow ? "totalcmd.exe" : kTotalCommander32);
}

Launcher::Outcome Launcher::StartUp() {
  LauncherState& s = state_;
  s.TCCommandLine = Trim(start_.rawCommandLine);
  s.FilesImported = false;
  UseDirectory(NormalizeDirectory(start_.executableDirectory), false);
  s.TCDir = platform::WithoutSeparator(s.TCPath);
  if (switches_.mode == StartMode::Help) return Outcome::Help;

  if (!HoldsTotalCommander(s.TCPath)) {
    s.TCDir = FindTCSubDirectory(s.TCPath);
    if (s.TCDir.empty()) {
      user_.Tell(texts::RunInTotalCommandersDirectory(start_.executableBaseName), platform::MsgIcon::Information,
                 texts::kFileNotFound);
      return Outcome::Help;
    }
    UseDirectory(NormalizeDirectory(s.TCDir), true);
    platform::ChangeDirectory(s.TCDir);
  }
  s.TCPathMatch = s.TCPath;

  FinishInterruptedReplacements();
  ImportAtStart();
  KeepBarPortable();
  if (s.FilesImported || switches_.offersShortcuts) CreateDesktopShortCut();

  if (!s.TCPath.empty() && !platform::IsSeparator(s.TCPath[0])) platform::ChangeDrive(s.TCPath[0]);
  platform::ChangeDirectory(s.TCPath);
  AddPortableFilesToCommandLine();

  if (switches_.mode == StartMode::Setup) return Outcome::Setup;
  StartTotalCommander();
  return Outcome::Launched;
}

std::string Launcher::FindTCSubDirectory(const std::string& Path) const {
  // In the order the directory list shows them.
  std::vector<std::string> directories = platform::ListSubdirectories(Path);
  platform::SortIgnoringCase(directories);
  for (const std::string& directory : directories)
    if (HoldsTotalCommander(platform::WithSeparator(directory))) return platform::WithoutSeparator(directory);
  return {};
}

// A portable file is imported when it is missing, or when the user's command
// line names another ini of its kind.
void Launcher::ImportAtStart() {
  LauncherState& s = state_;
  const std::string commandUpper = platform::UpperCase(s.TCCommandLine);
  if (!platform::FileExistsHiddenToo(s.TCPath + kPortableIni) || Contains(commandUpper, " /I="))
    ImportIni(false);
  else
    s.PortableIni = s.TCPath + kPortableIni;
  if (!platform::FileExistsHiddenToo(s.TCPath + kPortableFtpIni) || Contains(commandUpper, " /F="))
    ImportFTPIni(false);
  else
    s.PortableFtpIni = s.TCPath + kPortableFtpIni;
}

// The bar the portable ini names is brought into the portable bar each time.
void Launcher::KeepBarPortable() {
  LauncherState& s = state_;
  if (s.PortableIni.empty() || !platform::FileExists(s.PortableIni)) return;
  const std::string bar = IniReadValue("Buttonbar", "Buttonbar", s.PortableIni, s.TCPath + "Default.bar", false);
  const std::string real = RemoveDRIVE_and_PATH(bar);
  if (real.empty() || !platform::FileExists(real)) return;
  const std::string portable = PortableValue(real, s.TCDir);
  if (portable != bar && !IniWriteValue("Buttonbar", "Buttonbar", portable, s.PortableIni, false))
    ReportUnwritable(s.PortableIni);
  if (!platform::FileExists(real)) return;
  CopyAndParseFile(real, s.TCPath + kPortableBar, s.TCDir, s.TCPathMatch, kCommanderPath, true);
  BringMissingCompanion(real);
  UsePortableBar(s.PortableIni);
}

void Launcher::AddPortableFilesToCommandLine() {
  LauncherState& s = state_;
  const bool addIni = !Contains(platform::UpperCase(s.TCCommandLine), " /I=") && !s.PortableIni.empty() &&
                      platform::FileExistsHiddenToo(s.PortableIni);
  if (s.PortableFtpIni.empty() && platform::FileExistsHiddenToo(s.TCPath + kPortableFtpIni))
    s.PortableFtpIni = s.TCPath + kPortableFtpIni;
  const bool addFtp = !s.PortableFtpIni.empty() && platform::FileExistsHiddenToo(s.PortableFtpIni);
  // A quote the user left open would swallow the switches behind it.
  if ((addIni || addFtp) && std::count(s.TCCommandLine.begin(), s.TCCommandLine.end(), '"') % 2 == 1)
    s.TCCommandLine += '"';
  if (addIni) s.TCCommandLine += " /i=" + QuotePath(s.PortableIni);
  if (addFtp) s.TCCommandLine += " /f=" + QuotePath(s.PortableFtpIni);
}

void Launcher::StartTotalCommander() {
  const LauncherState& s = state_;
  std::string executable;
  if (platform::FileExists(s.TCExe64))
    executable = s.TCExe64;
  else if (platform::FileExists(s.TCExe32))
    executable = s.TCExe32;
  if (executable.empty()) {
    user_.Tell(texts::kTotalCommanderNotFound, platform::MsgIcon::Information, texts::kFileNotFound);
    return;
  }
  if (!platform::StartProgram(Trim(QuotePath(executable) + " " + s.TCCommandLine),
                              platform::WindowStyle::NormalWithFocus))
    user_.Tell(texts::CannotStart(executable), platform::MsgIcon::Critical,
               std::string(platform::kApplicationTitle));
}

void Launcher::FinishInterruptedReplacements() {
  if (recovered_) return;
  recovered_ = true;
  platform::FinishInterruptedReplacements(state_.TCPath, kPortablePrefix, {kRewriteScratchSuffix});
}

void Launcher::ShowPluginWindow() {
  FinishInterruptedReplacements();
  user_.ShowPluginWindow(*this);
}
