#pragma once
// A plugin's own settings file (lsplugin.ini and its kin beside the ini, or a
// file that [ReplaceIniLocation] names): the plugin reads it as it is and
// expands no variables, so its paths on the stick carry the day's drive
// letter. Ambler keeps a shadow of it, in which each path that was the stick's
// when it was written has %COMMANDER_DRIVE% for its drive, and makes the day's
// file from the shadow; a path on a disk of the host keeps its letter in both.
// Only drive letters change: quotes, forward slashes and lists stay.
#include <string>
#include <string_view>

// The files Total Commander names for the plugins beside the ini it was given.
inline constexpr std::string_view kPluginSettingsFiles[] = {"lsplugin.ini", "fsplugin.ini", "contplug.ini",
                                                            "pkplugin.ini"};

struct PluginSettings {
  std::string shadow, day;
};

// The new shadow and day file, from the file as it is and its shadow (empty
// where there is none yet). A value that the shadow gives for the file, with
// lastDrive or todayDrive for the stick's drive, stays as the shadow has it;
// any other value is the session's, written with lastDrive, which marks its
// paths on the stick. The day file is the shadow with todayDrive.
PluginSettings PluginSettingsOnToday(std::string_view file, std::string_view shadow, const std::string& lastDrive,
                                     const std::string& todayDrive);
