#include "services/ini_sections.h"

#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/text_file.h"
#include "support/ini_keys.h"
#include "support/ini_section.h"
#include "support/user_texts.h"

std::string IniReadSectionEntries(const std::string& section, const std::string& file, std::string& keys,
                                  std::string& values, const std::string& separator) {
  keys.clear();
  values.clear();
  if (file.empty() || !platform::FileExists(file)) {
    platform::ShowMessage(texts::kIniNotFoundWithMark, platform::MsgButtons::Ok, platform::MsgIcon::Information,
                          texts::kFileNotFound);
    return {};
  }
  IniSectionReader collected(section, separator);
  std::string bytes;
  platform::ReadFileBytes(file, bytes);
  for (const std::string& line : IniLines(bytes))
    if (!collected.TakeLine(line)) break;
  keys = collected.Keys();
  values = collected.Values();
  return collected.Entries();
}
