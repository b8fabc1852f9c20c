#include "support/config_web.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/path.h"
#include "platform/text.h"
#include "support/ini_keys.h"
#include "support/path_text.h"

namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && platform::UpperCase(text.substr(text.size() - end.size())) == end;
}

// A button's command: "cmd" and its number.
bool IsCommandKey(const std::string& upperKey) {
  return upperKey.size() > 3 && upperKey.starts_with("CMD") &&
         upperKey.find_first_not_of("0123456789", 3) == std::string::npos;
}

// The bar a command opens: its whole text, or what follows OPENBAR or
// OPENBARMENU; quotes around the name are not part of it.
bool OpenedBar(const std::string& command, std::size_t& begin, std::size_t& length) {
  begin = command.find_first_not_of(' ');
  if (begin == std::string::npos) return false;
  for (const std::string_view word : {"OPENBARMENU ", "OPENBAR "}) {
    if (platform::UpperCase(command.substr(begin, word.size())) == word) {
      begin = command.find_first_not_of(' ', begin + word.size());
      if (begin == std::string::npos) return false;
      break;
    }
  }
  std::size_t end = command.find_last_not_of(' ') + 1;
  if (command[begin] == '"' && end > begin + 1 && command[end - 1] == '"') ++begin, --end;
  length = end - begin;
  return EndsWithIgnoringCase(std::string_view(command).substr(begin, length), ".BAR");
}

// "." and ".." of a path resolved below its root ("E:\", "\\server\share\").
std::string Resolved(const std::string& path) {
  std::size_t root = 3;
  if (path.starts_with("\\\\")) {
    root = path.find('\\', 2);
    root = root == std::string::npos ? path.size() : path.find('\\', root + 1);
    root = root == std::string::npos ? path.size() : root + 1;
  }
  std::vector<std::string> parts;
  for (std::size_t at = root; at < path.size();) {
    std::size_t end = at;
    while (end < path.size() && !platform::IsSeparator(path[end])) ++end;
    const std::string part = path.substr(at, end - at);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    at = end + 1;
  }
  std::string resolved = path.substr(0, root);
  for (std::size_t i = 0; i < parts.size(); ++i) resolved += (i ? "\\" : "") + parts[i];
  return resolved;
}

}  // namespace

std::string FileReference::Renamed(std::string_view name) const {
  return value.substr(0, nameBegin) + std::string(name) + value.substr(nameBegin + nameLength);
}

std::vector<FileReference> ReferencesIn(std::string_view bytes, ConfigKind kind) {
  IniLineReader reader(bytes);
  return ReferencesIn(reader, kind);
}

std::vector<FileReference> ReferencesIn(IniLineReader& reader, ConfigKind kind) {
  std::vector<FileReference> references;
  // Only the keys that can name a file are read: RedirectSection, AlternateUserIni, Buttonbar, those of
  // [ReplaceIniLocation]; cmd in a bar.
  constexpr std::string_view kPluginLocations = "REPLACEINILOCATION";
  for (const IniEntry& entry :
       IniEntries(reader, kind == ConfigKind::Bar ? "C" : "RAB", kind == ConfigKind::Bar ? "" : kPluginLocations)) {
    const std::string section = platform::UpperCase(entry.section), key = platform::UpperCase(entry.key);
    FileReference reference{entry.section, entry.key, entry.value, 0, entry.value.size(), ConfigKind::Ini};
    if (kind == ConfigKind::Bar) {
      if (section != "BUTTONBAR" || !IsCommandKey(key) ||
          !OpenedBar(entry.value, reference.nameBegin, reference.nameLength))
        continue;
      reference.kind = ConfigKind::Bar;
    } else if (key == "BUTTONBAR" && (section == "BUTTONBAR" || section == "BUTTONBARVERTICAL")) {
      reference.kind = ConfigKind::Bar;
    } else if (section == kPluginLocations) {
      reference.kind = ConfigKind::PluginSettings;
    } else if (!(key == "REDIRECTSECTION" && entry.value != "0" && entry.value != "1") &&
               !(key == "ALTERNATEUSERINI" && section == "CONFIGURATION")) {
      continue;
    }
    if (!Trim(reference.Name()).empty()) references.push_back(std::move(reference));
  }
  return references;
}

std::string ReferencedFile(std::string_view name, const TotalCommanderFolder& folder, std::string_view namingFolder) {
  std::string ini = "%COMMANDER_INI%";
  std::string path = folder.Expand(ReplaceText(Trim(name), ini, folder.getPortableINI(), false));
  if (path.empty() || Contains(path, "%")) return {};
  const bool share = path.size() > 1 && platform::IsSeparator(path[0]) && platform::IsSeparator(path[1]);
  if (!share && platform::DriveOf(path).empty())
    path = platform::IsSeparator(path[0]) ? folder.drive + path : platform::JoinPath(std::string(namingFolder), path);
  for (char& c : path)
    if (c == '/') c = '\\';
  path = Resolved(path);
  // Without a drive (Total Commander on a share) only its own folder is the medium's.
  const bool onMedium = folder.drive.empty()
                            ? platform::UpperCase(path).starts_with(platform::UpperCase(folder.TCPath))
                            : platform::UpperCase(platform::DriveOf(path)) == platform::UpperCase(folder.drive);
  return onMedium ? path : std::string();
}

std::string PortableCopyName(const std::string& file) {
  // FNV-1a of the path without its drive, ignoring case.
  std::uint32_t hash = 2166136261u;
  for (const char c : platform::UpperCase(std::string_view(file).substr(platform::DriveOf(file).size())))
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash));
  const std::string name = ExtractFileName(file);
  const std::size_t dot = name.rfind('.');
  const std::string stem = name.substr(0, dot), extension = dot == std::string::npos ? "" : name.substr(dot);
  return std::string(kPortablePrefix) + stem + "_" + hex + extension;
}

bool IsPortableFile(const std::string& file, const TotalCommanderFolder& folder) {
  const std::string upper = platform::UpperCase(file);
  return upper.starts_with(platform::UpperCase(folder.File(kPortablePrefix))) &&
         upper.find('\\', folder.TCPath.size()) == std::string::npos;
}
