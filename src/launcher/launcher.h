#pragma once
// The launcher itself, without a window: the start-up work, the imports of
// Total Commander's files into their portable copies, the desktop shortcuts
// and the state they share. It reaches the user through the host's message
// boxes (platform/host.h) and its own modal windows, as every window does.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "launcher/launcher_state.h"
#include "launcher/start_switches.h"
#include "support/session_memory.h"
#include "support/total_commander_folder.h"

// FORCE: ask nothing, and redo the step even when its result exists.
enum class Force { No, Yes };

// What the launcher learns from the platform when it starts.
struct StartInfo {
  // What followed the program's name on its command line, untrimmed.
  std::string rawCommandLine;
  // The folder that holds the launcher.
  std::string executableDirectory;
  // The launcher's file name without extension.
  std::string executableBaseName;
};

class Launcher {
 public:
  explicit Launcher(StartInfo start);

  enum class Outcome { Help, Setup, Launched };
  // The start-up work the command line asks for. Launched: Total Commander
  // was started (or said to be missing), and the program is to end.
  Outcome StartUp();

  // Total Commander's directory, with its trailing separator.
  std::string getTCPath() const { return folder_.getTCPath(); }
  // The portable ini's full name, whether or not the file exists.
  std::string getPortableINI() const { return folder_.getPortableINI(); }

  // The portable form of a value turned back into an absolute one.
  std::string RemoveDRIVE_and_PATH(const std::string& SourceString) const;
  // Brings a file into a portable destination and rewrites its paths.
  void CopyAndParseFile(const std::string& SourceFile, const std::string& DestinationFile,
                        const std::string& FindSTr1, const std::string& FindStr2, const std::string& replacestring,
                        Force FORCE = Force::No);
  void ImportIni(Force FORCE = Force::No);
  void ImportFTPIni(Force FORCE = Force::No);
  void ImportButtonBar(Force FORCE = Force::No);
  void CreateDesktopShortCut();
  void ShowPluginWindow();

  const LauncherState& State() const { return state_; }
  const TotalCommanderFolder& Folder() const { return folder_; }

 private:
  bool LocateTotalCommander();
  std::string FindTCSubDirectory(const std::string& Path) const;
  void EnterTotalCommandersFolder();
  void ImportAtStart();
  void KeepBarPortable();
  void AddPortableFilesToCommandLine();
  void StartTotalCommander();
  // What a portable file is imported from: the source itself, or without
  // FORCE, what the user accepts of the three offers (asked tells whether
  // one was made).
  std::string ChooseSource(const std::string& source, const std::string& destination, Force FORCE, bool& asked);
  // How a portable file is copied: as it is, or made portable by both passes
  // in the same replacement, so that a pull never leaves a copy that is not
  // yet rewritten (the passes then find nothing left to do).
  enum class Copy { Plain, MadePortable };
  // The chosen source copied into the portable file, where it is missing.
  void CopyIntoPortableFile(const std::string& source, const std::string& destination, Force FORCE,
                            Copy copy = Copy::Plain);
  // CopyAndParseFile, its copy made as asked.
  void CopyAndParse(const std::string& SourceFile, const std::string& DestinationFile, const std::string& FindSTr1,
                    const std::string& FindStr2, const std::string& replacestring, Force FORCE, Copy copy);
  // The source copied into the destination (replaced where it exists) made
  // portable in one replacement; one without a path to change as it is.
  bool CopyPortable(const std::string& source, const std::string& destination);
  // The folder, then the drive, made portable in the file, where it exists.
  void MakePortable(const std::string& file);
  // Both passes of CopyAndParseFile: each brings the file in, made portable,
  // where it is missing (the drive pass offers the source again when the
  // first copy failed), then rewrites it.
  void PortablePasses(const std::string& source, const std::string& destination, Force pathForce, Force driveForce);
  // Points the portable ini at the portable button bar, but only while both
  // exist: after a failed copy (a full stick) the ini keeps naming the bar it
  // had, so Total Commander keeps a bar and the next start tries again.
  void UsePortableBar(const std::string& ini);
  // The web of files behind the portable ini kept portable (followed anew
  // where anything of it was written since it was remembered, or with
  // refresh), then the user commands and the plugins' own settings.
  void KeepWebPortable(bool refresh);
  // The files the portable files name, followed from the portable ini: each
  // one on the medium is brought into its portable copy (anew with refresh,
  // an import's), made portable and named by the copy, and followed in turn.
  void FollowWeb(bool refresh);
  // A file's portable copy, where it is missing or with refresh; a copy the
  // user hid or made a system file stays his. A bar brings its companion.
  // True where the copy was made.
  bool BringCopy(const std::string& file, const std::string& copy, bool isBar, bool refresh);
  // The portable bar's companion, from the bar's own, where it is missing (a
  // first start that a pulled stick cut short).
  void BringMissingCompanion(const std::string& bar);
  // Once per run, before the first write: the memory's work at the start
  // (see SessionMemory::Begin), and the main bar's original as it keeps it.
  void BeginWriting(bool keepReads = false);
  // The portable files and the web's copies remembered as they are handed over.
  void RememberHandedOver();
  // The file the user chose in the file dialog, or empty text.
  std::string BrowseForFile(const std::string& folder, const std::string& caption, const std::string& defaultName);
  // Says once per run that a portable file could not take a change.
  void ReportUnwritable(const std::string& file);

  StartInfo start_;
  StartSwitches switches_;
  TotalCommanderFolder folder_;
  LauncherState state_;
  // The bar the portable bar was made from, in this run or as the memory
  // keeps it: a name of it elsewhere in the web leads to the portable bar.
  std::string barOriginal_;
  // The files of the web, and the plugins' settings files, as the last walk found them.
  std::vector<std::string> web_;
  std::vector<std::string> pluginSettings_;
  SessionMemory memory_{[this](const std::string& file) { ReportUnwritable(file); }};
  bool toldUnwritable_ = false;
};
