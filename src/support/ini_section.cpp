#include "support/ini_section.h"

#include "platform/text.h"
#include "support/path_text.h"

IniSectionReader::IniSectionReader(std::string_view section, std::string separator)
    : header_(1, '['), separator_(std::move(separator)) {
  header_ += platform::UpperCase(section);
  header_ += ']';
}

bool IniSectionReader::TakeLine(std::string_view line) {
  if (ended_) return false;
  // The header may stand anywhere in its line, in any case.
  if (Contains(platform::UpperCase(line), header_)) {
    inSection_ = true;
    return true;
  }
  if (!inSection_) return true;
  if (Contains(line, "[")) {
    ended_ = true;
    return false;
  }
  entries_.append(Trim(line)).append(separator_);
  const auto equals = line.find('=');
  if (equals != std::string_view::npos) {
    keys_.append(Trim(line.substr(0, equals))).append(separator_);
    values_.append(Trim(line.substr(equals + 1))).append(separator_);
  } else {
    values_.append(Trim(line)).append(separator_);
  }
  return true;
}
