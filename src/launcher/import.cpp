// The import of Total Commander's ini files into their portable copies.
#include "launcher/form1.h"
#include "launcher/portable_rewrite.h"
#include "platform/files.h"
#include "platform/host.h"
#include "support/file_copy.h"
#include "support/ini.h"

namespace {

constexpr const char* kCommanderPath = "%COMMANDER_PATH%";
constexpr const char* kCommanderDrive = "%COMMANDER_DRIVE%";

}  // namespace

void Form1::PortablePasses(const std::string& source, const std::string& destination, bool pathForce,
                           bool driveForce) {
  CopyAndParseFile(source, destination, state_.TCDir, state_.TCPathMatch, kCommanderPath, pathForce);
  // Without a drive letter (a network share) there is no drive to replace.
  const std::string drive = DriveOf(state_.TCDir);
  if (!drive.empty())
    CopyAndParseFile(source, destination, drive, DriveOf(state_.TCPathMatch), kCommanderDrive, driveForce);
}

void Form1::ImportIni(bool FORCE) {
  LauncherState& s = state_;
  const std::string P = s.TCPath + kPortableIni;
  const std::string B = s.TCPath + kPortableBar;

  PortablePasses(s.TCPath + "wincmd.ini", P, true, FORCE);
  if (platform::FileExists(P)) {
    s.PortableIni = P;
  } else {
    platform::ShowMessage("Import canceled!", platform::MsgButtons::Ok, platform::MsgIcon::Information,
                          "Import failed");
    s.PortableIni.clear();
  }

  const std::string bar = IniReadValue("Buttonbar", "Buttonbar", P, s.TCPath + "Default.bar", false);
  const std::string real = RemoveDRIVE_and_PATH(bar);
  CopyAndParseFile(real, B, s.TCDir, s.TCPathMatch, kCommanderPath, true);
  // The drive pass works on the copy; without one (a full stick) it would
  // leave an empty bar in its place.
  const std::string drive = DriveOf(s.TCDir);
  if (!drive.empty() && platform::FileExists(B))
    CopyAndParseFile(B, B, drive, DriveOf(s.TCPathMatch), kCommanderDrive, true);
  if (!platform::FileExists(B)) CopyFileOver(real, B, false);
  if (!platform::FileExists(s.TCPath + kPortableBarCompanion) && real.size() >= 3)
    CopyFileOver(real.substr(0, real.size() - 3) + "br1", s.TCPath + kPortableBarCompanion, false);
  UsePortableBar(P);

  ShowPluginWindow();
}

void Form1::ImportFTPIni(bool FORCE) {
  LauncherState& s = state_;
  const std::string F = s.TCPath + kPortableFtpIni;
  if (!platform::FileExists(F) || FORCE) PortablePasses(s.TCPath + "wcx_ftp.ini", F, true, true);
  if (platform::FileExists(F)) {
    s.PortableFtpIni = F;
  } else {
    platform::Beep();
    s.PortableFtpIni.clear();
  }
}

void Form1::UsePortableBar(const std::string& ini) {
  if (!platform::FileExists(state_.TCPath + kPortableBar) || !platform::FileExists(ini)) return;
  IniWriteValue("Buttonbar", "Buttonbar", std::string(kCommanderPath) + "\\" + kPortableBar, ini, true);
}

void Form1::ShowPluginWindow() {
  // Made when shown, gone when closed: nothing survives an earlier opening.
  PluginSearch window(*this, Icon());
  window.ShowModal();
}
