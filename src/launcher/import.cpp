// The imports of Total Commander's ini files and button bars into their
// portable copies.
#include "launcher/launcher.h"

#include <deque>
#include <tuple>
#include <unordered_set>

#include "controls/resource_ids.h"
#include "files_dialog/files.h"
#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/path.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "plugins/plugin_search.h"
#include "support/config_web.h"
#include "support/file_copy.h"
#include "support/ini.h"
#include "support/ini_keys.h"
#include "support/path_text.h"
#include "support/plugin_settings.h"
#include "support/portable_rewrite.h"
#include "support/shell_links.h"
#include "support/user_texts.h"

namespace {

// A button bar's companion: its name with the last three characters
// (the extension "bar") replaced by "br1".
std::string CompanionOf(const std::string& bar) {
  return bar.size() >= 3 ? bar.substr(0, bar.size() - 3) + "br1" : std::string();
}

bool HiddenOrSystem(const std::string& file) {
  return platform::FileExistsHiddenToo(file) && !platform::FileExists(file);
}

}  // namespace

void Launcher::CopyAndParseFile(const std::string& SourceFile, const std::string& DestinationFile,
                                const std::string& FindSTr1, const std::string& FindStr2,
                                const std::string& replacestring, Force FORCE) {
  CopyAndParse(SourceFile, DestinationFile, FindSTr1, FindStr2, replacestring, FORCE, Copy::Plain);
}

void Launcher::CopyAndParse(const std::string& SourceFile, const std::string& DestinationFile,
                            const std::string& FindSTr1, const std::string& FindStr2,
                            const std::string& replacestring, Force FORCE, Copy copy) {
  if (platform::UpperCase(SourceFile) == platform::UpperCase(DestinationFile) && FORCE == Force::No) {
    platform::Tell(texts::SameFile(SourceFile), platform::MsgIcon::Critical, texts::kSameFileTitle);
    return;
  }
  // A hidden or system portable file is the user's own: it is used, never
  // overwritten by an import, and never rewritten.
  if (!platform::FileExistsHiddenToo(DestinationFile) || FORCE == Force::Yes)
    CopyIntoPortableFile(SourceFile, DestinationFile, FORCE, copy);
  if (!platform::FileExists(DestinationFile)) return;
  const RewriteResult rewrite = RewriteFile(DestinationFile, FindSTr1, FindStr2, replacestring);
  state_.LineFound = rewrite.lineFound;
  if (rewrite.failed) ReportUnwritable(DestinationFile);
}

std::string Launcher::ChooseSource(const std::string& source, const std::string& destination, Force FORCE,
                                   bool& asked) {
  const std::string name = ExtractFileName(source);
  // Without FORCE a missing source is no choice: the other offers follow.
  std::string chosen = FORCE == Force::Yes || platform::FileExists(source) ? source : std::string();
  if (!chosen.empty() && FORCE == Force::No) {
    asked = true;
    if (!platform::Ask(texts::ImportFromCurrentDirectory(name, ExtractFileName(destination)), texts::kImportFileTitle))
      chosen.clear();
  }
  if (chosen.empty()) {
    const std::string desktop = GetSpecialFolder(kDesktopFolderNumber);
    const std::string w = desktop.empty() ? std::string() : desktop.substr(0, 1) + ":\\Windows\\" + name;
    if (!w.empty() && platform::FileExists(w)) {
      asked = true;
      if (platform::Ask(texts::ImportFromWindowsDirectory(w), texts::kImportFromWindowsTitle)) chosen = w;
      if (chosen.empty() || !platform::FileExists(chosen)) chosen.clear();
    }
  }
  if (chosen.empty()) {
    asked = true;
    if (platform::Ask(texts::BrowseForFileNow(name, destination), texts::kBrowseForFileTitle)) {
      chosen = BrowseForFile(platform::CurrentDirectory(), texts::ImportFileCaption(name), "*.*");
      if (chosen == "*.*" || Trim(chosen).empty()) chosen.clear();
    }
  }
  return chosen;
}

void Launcher::CopyIntoPortableFile(const std::string& source, const std::string& destination, Force FORCE,
                                    Copy copy) {
  bool asked = false;
  const std::string chosen = ChooseSource(source, destination, FORCE, asked);
  bool copied = false, copyFailed = false;
  if (!Trim(chosen).empty() && platform::FileExists(chosen) && !platform::FileExistsHiddenToo(destination)) {
    copied = copy == Copy::MadePortable ? CopyPortable(chosen, destination) : CopyFileOver(chosen, destination, true);
    copyFailed = !copied;
    state_.FilesImported = true;
  }
  // An empty file in place of a copy that failed (a full stick) would stand
  // for the user's settings from then on; without it the next start retries.
  if (!copyFailed && !platform::FileExists(destination)) platform::CreateNewFile(destination);
  if (asked && !copied) platform::Tell(texts::kImportCancelled, platform::MsgIcon::Information, texts::kCancelled);
}

bool Launcher::CopyPortable(const std::string& source, const std::string& destination) {
  const RewriteResult portable = CopyMadePortable(source, destination, folder_.TCDir, state_.TCPathMatch);
  // A rewritten copy that does not fit is no reason for a plain one: that
  // would stand, unrewritten, for the portable file from then on.
  return portable.written || (!portable.failed && CopyFileOver(source, destination, true));
}

void Launcher::MakePortable(const std::string& file) {
  if (platform::FileExists(file) && ::MakePortable(file, folder_.TCDir, state_.TCPathMatch).failed)
    ReportUnwritable(file);
}

void Launcher::PortablePasses(const std::string& source, const std::string& destination, Force pathForce,
                              Force driveForce) {
  CopyAndParse(source, destination, folder_.TCDir, state_.TCPathMatch, kCommanderPath, pathForce, Copy::MadePortable);
  // Without a drive letter (a network share) there is no drive to replace.
  if (!folder_.drive.empty())
    CopyAndParse(source, destination, folder_.drive, folder_.drive, kCommanderDrive, driveForce, Copy::MadePortable);
}

void Launcher::ImportIni(Force FORCE) {
  BeginWriting();
  LauncherState& s = state_;
  const std::string P = folder_.File(kPortableIni);
  const std::string B = folder_.File(kPortableBar);

  PortablePasses(folder_.File("wincmd.ini"), P, Force::Yes, FORCE);
  if (platform::FileExistsHiddenToo(P)) {
    s.PortableIni = P;
  } else {
    platform::Tell(texts::kImportCanceled, platform::MsgIcon::Information, texts::kImportFailed);
    s.PortableIni.clear();
  }

  const std::string bar = IniReadValue(kButtonbar, kButtonbar, P, folder_.File("Default.bar"), false);
  const std::string real = folder_.Expand(bar);
  if (!IsPortableFile(real, folder_)) barOriginal_ = real;
  CopyIntoPortableFile(real, B, Force::Yes, Copy::MadePortable);
  MakePortable(B);
  if (!platform::FileExists(B)) CopyFileOver(real, B, false);
  BringMissingCompanion(real);
  UsePortableBar(P);
  KeepWebPortable(FORCE == Force::Yes);

  ShowPluginWindow();
  if (FORCE == Force::Yes) RememberHandedOver();
}

void Launcher::ImportFTPIni(Force FORCE) {
  BeginWriting();
  LauncherState& s = state_;
  const std::string F = folder_.File(kPortableFtpIni);
  if (!platform::FileExistsHiddenToo(F) || FORCE == Force::Yes)
    PortablePasses(folder_.File("wcx_ftp.ini"), F, Force::Yes, Force::Yes);
  if (platform::FileExistsHiddenToo(F)) {
    s.PortableFtpIni = F;
  } else {
    platform::Beep();
    s.PortableFtpIni.clear();
  }
  if (FORCE == Force::Yes) RememberHandedOver();
}

void Launcher::ImportButtonBar(Force FORCE) {
  BeginWriting();
  LauncherState& s = state_;
  const std::string B = folder_.File(kPortableBar);
  const std::string R = folder_.File(kPortableBarCompanion);

  std::string bar = B;
  if (FORCE == Force::No || !platform::FileExists(B))
    bar = BrowseForFile(platform::CurrentDirectory(), texts::kImportBarCaption, "*.bar");
  if (bar == "*.bar" || Trim(bar).empty() || !platform::FileExists(bar)) return;

  // A hidden or system portable bar or companion is the user's own: never replaced.
  if (bar != B && !HiddenOrSystem(B)) CopyPortable(bar, B);
  MakePortable(B);
  CopyFileOver(CompanionOf(bar), R, !HiddenOrSystem(R));

  if (platform::FileExists(R)) {
    if (!s.PortableIni.empty()) UsePortableBar(s.PortableIni);
  } else {
    platform::Tell(texts::kImportCancelled, platform::MsgIcon::Information, texts::kCancelled);
  }
}

void Launcher::BringMissingCompanion(const std::string& bar) {
  const std::string companion = folder_.File(kPortableBarCompanion);
  if (!platform::FileExistsHiddenToo(companion)) CopyFileOver(CompanionOf(bar), companion, false);
}

void Launcher::UsePortableBar(const std::string& ini) {
  if (!platform::FileExists(folder_.File(kPortableBar)) || !platform::FileExists(ini)) return;
  if (!IniWriteValue(kButtonbar, kButtonbar, InCommanderPath(kPortableBar), ini, true))
    ReportUnwritable(ini);
}

void Launcher::ReportUnwritable(const std::string& file) {
  if (toldUnwritable_) return;
  toldUnwritable_ = true;
  platform::Tell(texts::CannotWrite(file), platform::MsgIcon::Information, texts::kNotSavedTitle);
}

void Launcher::KeepWebPortable(bool refresh) {
  if (!platform::FileExists(folder_.File(kPortableIni))) return;
  // The plugins' own settings stay where the plugins read them.
  pluginSettings_.clear();
  for (const std::string_view name : kPluginSettingsFiles) pluginSettings_.push_back(folder_.File(name));
  if (memory_.WebUnchanged() && !refresh) {
    web_ = memory_.RememberedWeb();
    const std::vector<std::string> remembered = memory_.RememberedSettings();
    pluginSettings_.insert(pluginSettings_.end(), remembered.begin(), remembered.end());
  } else {
    FollowWeb(refresh);
  }
  memory_.TakeInUserFile(folder_.File(kUserCommands));
  std::unordered_set<std::string> kept;
  std::erase_if(pluginSettings_,
                [&](const std::string& file) { return !kept.insert(platform::UpperCase(file)).second; });
  for (const std::string& file : pluginSettings_) memory_.KeepPluginSettingsOnToday(file);
}

void Launcher::FollowWeb(bool refresh) {
  const std::string ini = folder_.File(kPortableIni), bar = folder_.File(kPortableBar);
  // Each file with what it is and the folder its relative names start from:
  // a copy's are its original's.
  std::deque<std::tuple<std::string, ConfigKind, std::string>> pending = {{ini, ConfigKind::Ini, folder_.TCPath}};
  std::unordered_set<std::string> followed = {platform::UpperCase(ini), platform::UpperCase(bar)};
  web_.clear();
  if (platform::FileExists(bar))
    pending.emplace_back(bar, ConfigKind::Bar, barOriginal_.empty() ? folder_.TCPath : DirectoryPart(barOriginal_));
  while (!pending.empty()) {
    const auto [file, kind, namingFolder] = pending.front();
    pending.pop_front();
    // A hidden or system file is the user's own: named, never rewritten.
    if (!memory_.Exists(file)) continue;
    std::vector<FileReference> references;
    if (const std::string* bytes = memory_.ReadAtStart(file)) {
      references = ReferencesIn(*bytes, kind);
    } else {
      // Closed before the file may be replaced below.
      IniLineReader reader(IniLineReader::FromFile{}, file);
      references = ReferencesIn(reader, kind);
      if (reader.Failed()) continue;
    }
    std::vector<std::pair<const FileReference*, std::string>> renamed;
    for (const FileReference& reference : references) {
      const std::string target = ReferencedFile(reference.Name(), folder_, namingFolder);
      if (target.empty() || !memory_.Exists(target) ||
          platform::UpperCase(ExtractFileName(target)) == platform::UpperCase(std::string(kUserCommands)))
        continue;
      if (reference.kind == ConfigKind::PluginSettings) {
        pluginSettings_.push_back(target);
        continue;
      }
      std::string copy = target;
      if (platform::UpperCase(target) == platform::UpperCase(barOriginal_))
        copy = bar;
      else if (!IsPortableFile(target, folder_))
        copy = folder_.File(PortableCopyName(target));
      if (followed.insert(platform::UpperCase(copy)).second) {
        const bool made = copy != target && BringCopy(target, copy, reference.kind == ConfigKind::Bar, refresh);
        memory_.MakeNewcomerPortable(copy, target, made);
        // A copy kept from before is as the last session left it: what that wrote is made portable above.
        if (made) MakePortable(copy);
        pending.emplace_back(copy, reference.kind, DirectoryPart(target));
        web_.push_back(copy);
      }
      std::string value = reference.Renamed(InCommanderPath(ExtractFileName(copy)));
      if (value != reference.value && (memory_.ReadAtStart(copy) || platform::FileExistsHiddenToo(copy)))
        renamed.emplace_back(&reference, std::move(value));
    }
    if (renamed.empty()) continue;
    std::string updated;
    if (!platform::ReadFileBytes(file, updated)) continue;
    for (const auto& [reference, value] : renamed) updated = WithIniValue(updated, reference->section, reference->key, value);
    if (!platform::ReplaceFileContent(file, updated)) ReportUnwritable(file);
  }
}

bool Launcher::BringCopy(const std::string& file, const std::string& copy, bool isBar, bool refresh) {
  const auto bring = [refresh](const std::string& from, const std::string& to) {
    return platform::FileExists(from) && (!platform::FileExistsHiddenToo(to) || (refresh && !HiddenOrSystem(to))) &&
           CopyFileOver(from, to, true);
  };
  if (isBar) bring(CompanionOf(file), CompanionOf(copy));
  return bring(file, copy);
}

void Launcher::BeginWriting(bool keepReads) {
  if (memory_.Begin(folder_, keepReads)) barOriginal_ = memory_.BarOriginal();
}

void Launcher::RememberHandedOver() {
  std::vector<std::string> files = web_;
  files.insert(files.end(), {folder_.File(kPortableIni), folder_.File(kPortableFtpIni), folder_.File(kPortableBar),
                             folder_.File(kUserCommands)});
  memory_.Remember(files, barOriginal_, pluginSettings_);
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
