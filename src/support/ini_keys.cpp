#include "support/ini_keys.h"

#include <vector>

#include "platform/text.h"
#include "support/line_text.h"
#include "support/path_text.h"

namespace {

struct Line {
  std::size_t begin = 0, end = 0;  // its bytes, without the line end
  std::size_t next = 0;            // where the next line begins
};

// The file's lines, split as platform/text_file.h reads them.
std::vector<Line> SplitLines(std::string_view file, platform::TextEncoding encoding) {
  std::vector<Line> lines;
  const std::size_t unit = encoding == platform::TextEncoding::Utf16 ? 2 : 1;
  auto isUnit = [&](std::size_t at, char c) {
    return at + unit <= file.size() && file[at] == c && (unit == 1 || file[at + 1] == '\0');
  };
  std::size_t at = platform::MarkLength(encoding);
  while (at < file.size()) {
    Line line;
    line.begin = at;
    while (at < file.size() && !isUnit(at, '\r')) at += at + unit <= file.size() ? unit : 1;
    line.end = at;
    if (isUnit(at, '\r')) {
      at += unit;
      if (isUnit(at, '\n')) at += unit;
    }
    line.next = at;
    lines.push_back(line);
  }
  return lines;
}

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

bool SameName(std::string_view a, std::string_view b) { return platform::UpperCase(a) == platform::UpperCase(b); }

// A line as the profile functions see it.
struct Entry {
  bool isSection = false;
  std::string name;   // the section's or the key's
  std::string value;  // as stored, trimmed
  bool blank = false;
};

Entry Parse(const std::string& text) {
  Entry entry;
  const std::string trimmed = Trimmed(text);
  entry.blank = trimmed.empty();
  if (trimmed.starts_with("[")) {
    const auto close = trimmed.rfind(']');
    if (close != std::string::npos) {
      entry.isSection = true;
      entry.name = Trimmed(std::string_view(trimmed).substr(1, close - 1));
      return entry;
    }
  }
  const auto equals = trimmed.find('=');
  entry.name = Trimmed(std::string_view(trimmed).substr(0, equals));
  if (equals != std::string::npos) entry.value = Trimmed(std::string_view(trimmed).substr(equals + 1));
  return entry;
}

// Where the section's header and the key's line are, and the last line of
// the section that is not blank.
struct Place {
  std::optional<std::size_t> section, key;
  std::size_t lastInSection = 0;
  std::string name, value;  // the key's, as the file has them
};

Place Locate(std::string_view file, const std::vector<Line>& lines, platform::TextEncoding encoding,
             std::string_view section, std::string_view key) {
  Place place;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Entry entry = Parse(LineText(file.substr(lines[i].begin, lines[i].end - lines[i].begin), encoding));
    if (entry.isSection) {
      if (inSection) break;
      if (SameName(entry.name, section)) {
        place.section = i;
        place.lastInSection = i;
        inSection = true;
      }
      continue;
    }
    if (!inSection) continue;
    if (!entry.blank) place.lastInSection = i;
    if (!entry.blank && SameName(entry.name, key)) {
      place.key = i;
      place.name = entry.name;
      place.value = entry.value;
      break;
    }
  }
  return place;
}

}  // namespace

std::optional<std::string> FindIniValue(std::string_view file, std::string_view section, std::string_view key) {
  const platform::TextEncoding encoding = platform::EncodingOf(file);
  const Place place = Locate(file, SplitLines(file, encoding), encoding, section, key);
  if (!place.key) return std::nullopt;
  return Unenclosed(place.value, "\"'");
}

std::string WithIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value) {
  const platform::TextEncoding encoding = platform::EncodingOf(file);
  const std::vector<Line> lines = SplitLines(file, encoding);
  const Place place = Locate(file, lines, encoding, section, key);
  const std::string lineEnd = EncodeText("\r\n", encoding);
  std::string result;
  if (place.key) {
    const Line& line = lines[*place.key];
    result.append(file.substr(0, line.begin));
    result += EncodeEntry(place.name, value, encoding);
    result.append(file.substr(line.end));
  } else if (place.section) {
    const std::size_t at = lines[place.lastInSection].next;
    result.append(file.substr(0, at));
    // The section's last line may be the file's last, without a line end.
    if (lines[place.lastInSection].next == lines[place.lastInSection].end) result += lineEnd;
    result += EncodeEntry(key, value, encoding) + lineEnd;
    result.append(file.substr(at));
  } else {
    result.append(file);
    if (!lines.empty() && lines.back().next == lines.back().end) result += lineEnd;
    std::string header(1, '[');
    header.append(section).append("]");
    result += EncodeText(header, encoding) + lineEnd;
    result += EncodeEntry(key, value, encoding) + lineEnd;
  }
  return result;
}
