#include "launcher/form1.h"

#include "launcher/portable_rewrite.h"
#include "controls/resource_ids.h"
#include "launcher/web_page.h"
#include "platform/files.h"
#include "platform/host.h"
#include "platform/process.h"
#include "platform/text.h"
#include "support/associations.h"
#include "support/ini.h"
#include "support/path_text.h"
#include "support/shell_links.h"

namespace {

constexpr ui::Color kDarkBlue{0, 0, 192};
const std::string CR = "\r";

ui::Font SansSerif(double points, bool bold = false, bool underline = false) {
  ui::Font font;
  font.points = points;
  font.bold = bold;
  font.underline = underline;
  return font;
}

}  // namespace

Form1::Form1(StartInfo start) : ui::Window("Form1"), start_(std::move(start)) {
  SetCaption(kDesignCaption);
  SetClientSize(7065, 4005);
  SetIcon(IDI_AMBLER);
  SetFixedDialogFrame(true);
}

void Form1::Design() {
  SetCaption(kDesignCaption);
  Picture1 = &Add<ui::Picture>("Picture1", ui::Rect{240, 120, 1185, 1095});
  Picture1->SetImage(IDB_LOGO);
  Picture1->SetTabIndex(6);

  TitelLable = &Add<ui::Label>("TitelLable", ui::Rect{1080, 480, 5895, 375});
  TitelLable->SetCaption("Ambler (Total Commander  - Portable)");
  TitelLable->SetAlignment(ui::Alignment::Center);
  TitelLable->SetForeColor(kDarkBlue);
  TitelLable->SetFont(SansSerif(9.75, true));
  TitelLable->SetTabIndex(7);

  PatchBtnBar = &Add<ui::Button>("PatchBtnBar", ui::Rect{240, 1320, 2655, 495});
  PatchBtnBar->SetCaption("Import Button Bar (*.bar)");
  PatchBtnBar->SetToolTip("Patch a Button Bar to relative pathes (if possible)");
  PatchBtnBar->SetTabIndex(8);

  Label1 = &Add<ui::Label>("Label1", ui::Rect{3120, 1560, 3735, 975});
  Label1->SetFont(SansSerif(9.75));
  Label1->SetTabIndex(4);

  Command3 = &Add<ui::Button>("Command3", ui::Rect{240, 1920, 2655, 495});
  Command3->SetCaption(" Import TC-Ini-Files >>");
  Command3->SetTabIndex(1);

  Command2 = &Add<ui::Button>("Command2", ui::Rect{240, 2520, 2655, 495});
  Command2->SetCaption("Import Plugins");
  Command2->SetTabIndex(9);

  Command4 = &Add<ui::Button>("Command4", ui::Rect{4440, 2760, 2295, 495});
  Command4->SetCaption("Create Destktop Shortcut >>");
  Command4->SetTabIndex(2);

  Command1 = &Add<ui::Button>("Command1", ui::Rect{240, 3240, 2655, 495});
  Command1->SetCaption("Close");
  Command1->SetFont(SansSerif(8.25, true));
  Command1->SetTabIndex(0);

  Label2 = &Add<ui::Label>("Label2", ui::Rect{5040, 3600, 1710, 195});
  Label2->SetForeColor(kDarkBlue);
  Label2->SetFont(SansSerif(8.25, false, true));
  Label2->SetTabIndex(5);

  Dir1 = &Add<ui::DirList>("Dir1", ui::Rect{6120, 0, 855, 315});
  Dir1->SetVisible(false);
  Dir1->SetTabIndex(3);

  Command1->Click = [] { platform::EndProgram(); };
  Command2->Click = [this] { ShowPluginWindow(); };
  Command3->Click = [this] {
    ImportIni(true);
    ImportFTPIni(true);
  };
  Command4->Click = [this] { CreateDesktopShortCut(); };
  Picture1->Click = [this] { CreateDesktopShortCut(); };
  PatchBtnBar->Click = [this] { ImportButtonBar(true); };
  Label2->Click = [this] { OpenWebPage(); };
}

bool Form1::OnCloseRequest() {
  platform::EndProgram();
  return true;
}

std::string Form1::getTCPath() const { return state_.TCPath; }

std::string Form1::getPortableINI() const { return state_.TCPath + kPortableIni; }

std::string Form1::GetDesktopFolderPath() const { return GetSpecialFolder(0); }

void Form1::Form_Load() {
  LauncherState& s = state_;
  const std::string& raw = start_.rawCommandLine;
  const std::string rawUpper = platform::UpperCase(raw);

  s.TCCommandLine = Trim(raw);
  s.FilesImported = false;
  s.TCPath = NormalizeDirectory(start_.executableDirectory);
  s.TCDir = s.TCPath;
  if (!s.TCDir.empty() && (s.TCDir.back() == '\\' || s.TCDir.back() == '/')) s.TCDir.pop_back();
  s.TCExe64 = s.TCPath + "TOTALCMD64.EXE";
  s.TCExe32 = s.TCPath + "Totalcmd.exe";

  if (raw == "/?" || raw == "?" || raw == "-?" || rawUpper == "-SETUP") {
    ShowHelpWindow();
    return;
  }

  if (!platform::FileExists(s.TCExe64) && !platform::FileExists(s.TCExe32)) {
    s.TCDir = FindTCSubDirectory(s.TCPath);
    if (s.TCDir.empty()) {
      platform::ShowMessage("Total Commander not found!" + CR + "Run the " + start_.executableBaseName +
                                ".exe in the TC directory.",
                            platform::MsgButtons::Ok, platform::MsgIcon::Information, "File not found!");
      ShowHelpWindow();
      return;
    }
    s.TCPath = NormalizeDirectory(s.TCDir);
    s.TCExe64 = s.TCPath + "TOTALCMD64.EXE";
    s.TCExe32 = s.TCPath + "totalcmd.exe";
    platform::ChangeDirectory(s.TCDir);
  }
  s.TCPathMatch = s.TCPath;

  const std::string commandUpper = platform::UpperCase(s.TCCommandLine);
  if (!platform::FileExists(s.TCPath + kPortableIni) || Contains(commandUpper, " /I="))
    ImportIni(false);
  else
    s.PortableIni = s.TCPath + kPortableIni;
  if (!platform::FileExists(s.TCPath + kPortableFtpIni) || Contains(commandUpper, " /F="))
    ImportFTPIni(false);
  else
    s.PortableFtpIni = s.TCPath + kPortableFtpIni;

  if (!s.PortableIni.empty() && platform::FileExists(s.PortableIni)) {
    const std::string bar = IniReadValue("Buttonbar", "Buttonbar", s.PortableIni, s.TCPath + "Default.bar", false);
    const std::string real = RemoveDRIVE_and_PATH(bar);
    if (!real.empty() && platform::FileExists(real)) {
      const std::string portable = PortableValue(real, s.TCDir);
      if (portable != bar) IniWriteValue("Buttonbar", "Buttonbar", portable, s.PortableIni, false);
      if (platform::FileExists(real)) {
        CopyAndParseFile(real, s.TCPath + kPortableBar, s.TCDir, s.TCPathMatch, "%COMMANDER_PATH%", true);
        UsePortableBar(s.PortableIni);
      }
    }
  }

  if (s.FilesImported || rawUpper == "/SETUP" || Trim(rawUpper) == "SETUP") CreateDesktopShortCut();

  if (!s.TCPath.empty() && s.TCPath[0] != '\\' && s.TCPath[0] != '/') platform::ChangeDrive(s.TCPath[0]);
  platform::ChangeDirectory(s.TCPath);

  if (!Contains(platform::UpperCase(s.TCCommandLine), " /I=") && !s.PortableIni.empty() &&
      platform::FileExists(s.PortableIni))
    s.TCCommandLine += " /i=" + QuotePath(s.PortableIni);
  if (s.PortableFtpIni.empty() && platform::FileExists(s.TCPath + kPortableFtpIni))
    s.PortableFtpIni = s.TCPath + kPortableFtpIni;
  if (!s.PortableFtpIni.empty() && platform::FileExists(s.PortableFtpIni))
    s.TCCommandLine += " /f=" + QuotePath(s.PortableFtpIni);

  if (Contains(rawUpper, "/SETUP")) {
    Show();
    return;
  }
  StartTotalCommander();
  platform::EndProgram();
}

void Form1::StartTotalCommander() {
  const LauncherState& s = state_;
  std::string executable;
  if (platform::FileExists(s.TCExe64))
    executable = s.TCExe64;
  else if (platform::FileExists(s.TCExe32))
    executable = s.TCExe32;
  if (executable.empty()) {
    platform::ShowMessage("Total Commander not found!", platform::MsgButtons::Ok, platform::MsgIcon::Information,
                          "File not found!");
    return;
  }
  platform::StartProgram(Trim(QuotePath(executable) + " " + s.TCCommandLine), platform::WindowStyle::NormalWithFocus);
}

void Form1::ShowHelpWindow() {
  TitelLable->SetCaption(std::string("Ambler - TC-Mobile Launcher (V.") + kVersion + ")");
  Label1->SetCaption("Run this file from your TC dirctory." + CR + CR + "Parameter for this screen: '/?'" + CR + CR +
                     "..for more infos: check the Web-page");
  Label2->SetCaption(kWebPageHost);
  Show();
  SetCaption(Caption() + "  V." + kVersion);
}

std::string Form1::FindTCSubDirectory(const std::string& Path) {
  Dir1->SetPath(Path);
  for (int i = 0; i < Dir1->ListCount(); ++i) {
    const std::string directory = NormalizeDirectory(Dir1->List(i));
    const bool found64 = platform::FileExists(directory + "TOTALCMD64.EXE");
    const bool found32 = platform::FileExists(directory + "Totalcmd.exe");
    if (found64 || found32) return directory.substr(0, directory.size() - 1);
  }
  return {};
}

void Form1::OpenWebPage() {
  Label2->SetVisible(false);
  OpenUrlInBrowser(kWebPageAddress, 1);
  Label2->SetVisible(true);
}
