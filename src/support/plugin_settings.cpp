#include "support/plugin_settings.h"

#include <map>
#include <vector>

#include "support/ini_keys.h"
#include "support/line_text.h"
#include "support/portable_rewrite.h"
#include "support/session_lines.h"

namespace {

// Every occurrence of find, byte for byte.
std::string Replaced(std::string_view bytes, std::string_view find, std::string_view with) {
  std::string result;
  for (std::size_t at = 0;;) {
    const std::size_t found = find.empty() ? std::string_view::npos : bytes.find(find, at);
    result += bytes.substr(at, found - at);
    if (found == std::string_view::npos) return result;
    result += with;
    at = found + find.size();
  }
}

// A line the session wrote: its paths that begin with the drive are the stick's.
std::string SessionLine(std::string_view line, platform::TextEncoding encoding, const std::string& drive) {
  std::string bytes;
  return SessionLineBytesPortable(line, encoding, "", drive, bytes) ? bytes : std::string(line);
}

}  // namespace

PluginSettings PluginSettingsOnToday(std::string_view file, std::string_view shadow, const std::string& lastDrive,
                                     const std::string& todayDrive) {
  IniLineReader lines(file);
  const platform::TextEncoding encoding = lines.Encoding();
  const std::string marker = EncodeText(kCommanderDrive, encoding);
  // Each value as a launch made it, by the last or today's letter (a start
  // pulled after writing the file, before its memory), to the shadow's.
  std::map<std::string, std::string, std::less<>> known;
  IniLineReader shadowLines(shadow);
  if (shadowLines.Encoding() == encoding)
    for (IniLineSpan span; shadowLines.Next(span);) {
      const std::string_view value = IniValuePart(shadowLines.Bytes(span.begin, span.end), encoding);
      for (const std::string& drive : {lastDrive, todayDrive})
        if (!drive.empty()) known.emplace(Replaced(value, marker, EncodeText(drive, encoding)), value);
    }
  PluginSettings result;
  result.shadow = lines.Bytes(0, platform::MarkLength(encoding));
  for (IniLineSpan span; lines.Next(span);) {
    const std::string_view line = lines.Bytes(span.begin, span.end), value = IniValuePart(line, encoding);
    if (const auto found = known.find(value); found != known.end())
      result.shadow.append(line.substr(0, line.size() - value.size())).append(found->second);
    else
      result.shadow += SessionLine(line, encoding, lastDrive);
    result.shadow += lines.Bytes(span.end, span.next);
  }
  result.day = Replaced(result.shadow, marker, EncodeText(todayDrive, encoding));
  return result;
}
