#include "support/ini_keys.h"

#include <vector>

#include "platform/text.h"
#include "support/line_text.h"
#include "support/path_text.h"

namespace {

struct Line {
  std::size_t begin = 0, end = 0;  // its bytes, without the line end
  std::size_t next = 0;            // where the next line begins
  bool HasEnd() const { return next > end; }
};

// The file's lines as the profile functions split them: a line ends at LF,
// and a CR right before it belongs to the line end. A lone CR is part of the
// line, and an odd last byte of a UTF-16 file belongs to the last line.
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
    while (at < file.size() && !isUnit(at, '\n')) at += at + unit <= file.size() ? unit : 1;
    line.end = at;
    if (at < file.size()) {
      at += unit;
      if (line.end >= line.begin + unit && isUnit(line.end - unit, '\r')) line.end -= unit;
    }
    line.next = at;
    lines.push_back(line);
  }
  return lines;
}

// What the profile functions take for blanks around names and values: the
// white-space controls and the DOS end-of-file mark.
constexpr std::string_view kBlanks = " \t\r\v\f\x1a";

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
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
  const std::string_view trimmed = Trimmed(text);
  entry.blank = trimmed.empty();
  // A "[" without a "]" behind it opens no section: the line is a key's.
  const auto close = trimmed.rfind(']');
  if (trimmed.starts_with("[") && close != std::string_view::npos) {
    entry.isSection = true;
    entry.name = Trimmed(trimmed.substr(1, close - 1));
    return entry;
  }
  const auto equals = trimmed.find('=');
  entry.name = Trimmed(trimmed.substr(0, equals));
  if (equals != std::string_view::npos) entry.value = Trimmed(trimmed.substr(equals + 1));
  return entry;
}

// Where the first section of the name begins, the first line of the key in
// it, and the last line of that section that is not blank.
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

// An added line ends as the nearest line before it that has an end; CR LF
// where none has.
std::string LineEndBefore(std::string_view file, const std::vector<Line>& lines, std::size_t index,
                          platform::TextEncoding encoding) {
  for (std::size_t i = index + 1; i-- > 0;)
    if (lines[i].HasEnd()) return std::string(file.substr(lines[i].end, lines[i].next - lines[i].end));
  return EncodeText("\r\n", encoding);
}

}  // namespace

std::vector<std::string> IniLines(std::string_view file) {
  const platform::TextEncoding encoding = platform::EncodingOf(file);
  std::vector<std::string> texts;
  for (const Line& line : SplitLines(file, encoding))
    texts.push_back(LineText(file.substr(line.begin, line.end - line.begin), encoding));
  return texts;
}

std::optional<std::string> FindIniValue(std::string_view file, std::string_view section, std::string_view key) {
  const platform::TextEncoding encoding = platform::EncodingOf(file);
  const Place place = Locate(file, SplitLines(file, encoding), encoding, Trimmed(section), Trimmed(key));
  if (!place.key) return std::nullopt;
  return Unenclosed(place.value, "\"'");
}

std::string WithIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value) {
  section = Trimmed(section);
  key = Trimmed(key);
  const platform::TextEncoding encoding = platform::EncodingOf(file);
  const std::vector<Line> lines = SplitLines(file, encoding);
  const Place place = Locate(file, lines, encoding, section, key);
  std::string result;
  if (place.key) {
    // The key's line keeps its own line end.
    const Line& line = lines[*place.key];
    result.append(file.substr(0, line.begin));
    result += EncodeEntry(place.name, value, encoding);
    result.append(file.substr(line.end));
    return result;
  }
  const std::size_t last = place.section ? place.lastInSection : lines.size() - 1;
  const std::string lineEnd = lines.empty() ? EncodeText("\r\n", encoding) : LineEndBefore(file, lines, last, encoding);
  std::string added;
  if (!place.section) {
    std::string header(1, '[');
    header.append(section).append("]");
    added = EncodeText(header, encoding) + lineEnd;
  }
  added += EncodeEntry(key, value, encoding) + lineEnd;
  const std::size_t at = lines.empty() ? file.size() : lines[last].next;
  result.append(file.substr(0, at));
  // The line before may be the file's last, without a line end.
  if (!lines.empty() && !lines[last].HasEnd()) result += lineEnd;
  result += added;
  result.append(file.substr(at));
  return result;
}
