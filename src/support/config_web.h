#pragma once
// The web of Total Commander's configuration: the other files that an ini or a
// button bar names, where those names lead, and the portable copies that stand
// in for the files on the medium.
#include <string>
#include <string_view>
#include <vector>

#include "support/ini_keys.h"
#include "support/total_commander_folder.h"

// What a named file is: an ini or a bar of Total Commander's, which gets a
// portable copy, or a plugin's own settings (see plugin_settings.h), which
// stay where they are.
enum class ConfigKind { Ini, Bar, PluginSettings };

// A key whose value names another file.
struct FileReference {
  std::string section, key, value;  // the value as the profile functions read it
  std::size_t nameBegin = 0, nameLength = 0;  // where the name stands in it, without quotes
  ConfigKind kind = ConfigKind::Ini;          // what the named file is
  std::string Name() const { return value.substr(nameBegin, nameLength); }
  // The value with another name in the place of this one.
  std::string Renamed(std::string_view name) const;
};

// An ini's references: RedirectSection= of any section (a file's name, not
// "0", nothing, or "1", the AlternateUserIni), AlternateUserIni= of
// [Configuration], Buttonbar= of the horizontal and the vertical bar's
// section, and each key of [ReplaceIniLocation] (a plugin's settings). A bar's: each button's command that names a .bar file, alone or
// behind OPENBAR or OPENBARMENU.
std::vector<FileReference> ReferencesIn(std::string_view bytes, ConfigKind kind);
std::vector<FileReference> ReferencesIn(IniLineReader& reader, ConfigKind kind);

// The file a name leads to: %COMMANDER_PATH%, %COMMANDER_DRIVE% and
// %COMMANDER_INI% (the portable ini) expanded, a relative name taken from the
// naming file's folder, "." and ".." resolved. Empty where the name leads off
// the medium: to another drive, a network share, or a folder of the host that
// another variable names.
std::string ReferencedFile(std::string_view name, const TotalCommanderFolder& folder, std::string_view namingFolder);

// The name of the portable copy that stands in for a file of the medium; the
// same file gets the same name whatever letter the medium has.
std::string PortableCopyName(const std::string& file);

// A file in Total Commander's folder whose name makes it a portable file.
bool IsPortableFile(const std::string& file, const TotalCommanderFolder& folder);
