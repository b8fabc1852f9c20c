#include "support/ini_keys.h"

#include <cctype>
#include <cstdint>
#include <cstring>
#include <unordered_set>
#include <optional>
#include <vector>

#include "platform/text.h"
#include "support/line_text.h"
#include "support/path_text.h"

namespace {

using Line = IniLineSpan;

// What the profile functions take for blanks around names and values: the
// white-space controls and the DOS end-of-file mark.
constexpr std::string_view kBlanks = " \t\r\v\f\x1a";

// The first LF at or behind at, or the text's size: eight bytes at a time,
// where the C runtime under Wine looks at one.
std::size_t FindLineFeed(std::string_view text, std::size_t at) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
  for (; at + 8 <= text.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, 8);
    word ^= kOnes * '\n';  // a zero byte where an LF was
    if ((word - kOnes) & ~word & kHighs) break;
  }
  while (at < text.size() && text[at] != '\n') ++at;
  return at;
}

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

// The first section of the name, the key's first line in it, and where a new
// key would go: behind the section's last line that is not blank (the file's
// last line where the section is missing), with the line end of the nearest
// line at or before that one that has an end.
struct Place {
  std::optional<Line> section, key;
  std::optional<Line> last, lastEnded;
  std::string name, value;  // the key's, as the file has them
};

Place Locate(IniLineReader& reader, std::string_view section, std::string_view key) {
  Place place;
  const platform::TextEncoding encoding = reader.Encoding();
  bool inSection = false;
  std::optional<Line> ended;  // the last line read that has an end
  for (Line line; reader.Next(line);) {
    if (line.HasEnd()) ended = line;
    if (!place.section) {
      place.last = line;
      place.lastEnded = ended;
    }
    const std::string_view bytes = reader.Bytes(line.begin, line.end);
    // The first character tells the lines that cannot be a section's without decoding them.
    if (!inSection && IniFirstCharacter(bytes, encoding) != '[') continue;
    const Entry entry = Parse(LineText(bytes, encoding));
    if (entry.isSection) {
      if (inSection) break;
      if (SameName(entry.name, section)) {
        place.section = line;
        inSection = true;
      }
      continue;
    }
    if (!inSection || entry.blank) continue;
    place.last = line;
    place.lastEnded = ended;
    if (SameName(entry.name, key)) {
      place.key = line;
      place.name = entry.name;
      place.value = entry.value;
      break;
    }
  }
  return place;
}

// A window kept from reader to reader.
std::string& SpareWindow() {
  thread_local std::string window;
  return window;
}

}  // namespace

char IniFirstCharacter(std::string_view line, platform::TextEncoding encoding) {
  const std::size_t unit = encoding == platform::TextEncoding::Utf16 ? 2 : 1;
  for (std::size_t at = 0; at + unit <= line.size(); at += unit) {
    if (unit == 2 && line[at + 1] != '\0') return 0;
    if (kBlanks.find(line[at]) == std::string_view::npos) return static_cast<unsigned char>(line[at]) < 0x80 ? line[at] : 0;
  }
  return 0;
}

IniLineNames NamesOfIniLine(std::string_view line, platform::TextEncoding encoding) {
  Entry entry = Parse(LineText(line, encoding));
  if (entry.isSection) return {std::move(entry.name), {}};
  return {std::nullopt, std::move(entry.name)};
}

IniLineReader::IniLineReader(std::string_view file)
    : view_(file), encoding_(platform::EncodingOf(file)), at_(platform::MarkLength(encoding_)) {}

IniLineReader::IniLineReader(FromFile, const std::string& name, std::size_t block)
    : source_(std::make_unique<platform::FileBlockReader>(name)),
      block_(block),
      whole_(false),
      encoding_(platform::TextEncoding::Ansi),
      at_(0) {
  // The window of the reader before, already touched, is taken over.
  window_.swap(SpareWindow());
  window_.clear();
  // The mark needs three bytes at most.
  while (window_.size() < 3 && ReadMore()) {
  }
  encoding_ = platform::EncodingOf(window_);
  at_ = platform::MarkLength(encoding_);
}

IniLineReader::~IniLineReader() {
  if (source_) SpareWindow().swap(window_);
}

bool IniLineReader::ReadMore() {
  if (whole_) return false;
  window_.erase(0, at_ - base_);
  base_ = at_;
  whole_ = !source_->AppendTo(window_, block_);
  view_ = window_;
  return !whole_;
}

bool IniLineReader::Next(IniLineSpan& line) {
  const std::size_t unit = encoding_ == platform::TextEncoding::Utf16 ? 2 : 1;
  for (;;) {
    const std::size_t size = base_ + view_.size();
    if (at_ >= size) {
      if (ReadMore()) continue;
      return false;
    }
    auto isUnit = [&](std::size_t at, char c) {
      return at + unit <= size && view_[at - base_] == c && (unit == 1 || view_[at - base_ + 1] == '\0');
    };
    std::size_t end = at_;
    if (unit == 1) end = base_ + FindLineFeed(view_, at_ - base_);
    while (end < size && !isUnit(end, '\n')) end += end + unit <= size ? unit : 1;
    // A line whose end is not read yet is read again with more.
    if (end >= size && !whole_) {
      ReadMore();
      continue;
    }
    line.begin = at_;
    line.end = end;
    at_ = end;
    if (at_ < size) {
      at_ += unit;
      if (line.end >= line.begin + unit && isUnit(line.end - unit, '\r')) line.end -= unit;
    }
    line.next = at_;
    return true;
  }
}

std::vector<std::string> IniLines(std::string_view file) {
  IniLineReader reader(file);
  std::vector<std::string> texts;
  for (Line line; reader.Next(line);)
    texts.push_back(LineText(reader.Bytes(line.begin, line.end), reader.Encoding()));
  return texts;
}

std::vector<IniEntry> IniEntries(std::string_view file, std::string_view initials, std::string_view wholeSection) {
  IniLineReader reader(file);
  return IniEntries(reader, initials, wholeSection);
}

std::vector<IniEntry> IniEntries(IniLineReader& reader, std::string_view initials, std::string_view wholeSection) {
  const platform::TextEncoding encoding = reader.Encoding();
  std::vector<IniEntry> entries;
  std::unordered_set<std::string> sections, keys;  // upper-cased: the sections seen, the keys of the current one
  std::string section;
  bool counts = false;  // keys before the first section are never asked for
  bool whole = false;   // in the section whose keys are all asked for
  for (Line line; reader.Next(line);) {
    const std::string_view bytes = reader.Bytes(line.begin, line.end);
    const char first = IniFirstCharacter(bytes, encoding);
    const bool wanted = initials.empty() || whole ||
                        (first && initials.find(static_cast<char>(std::toupper(static_cast<unsigned char>(first)))) !=
                                      std::string_view::npos);
    if (first != '[' && (!counts || !wanted)) continue;
    const Entry entry = Parse(LineText(bytes, encoding));
    if (entry.isSection) {
      counts = sections.insert(platform::UpperCase(entry.name)).second;
      whole = platform::UpperCase(entry.name) == wholeSection;
      section = entry.name;
      keys.clear();
    } else if (counts && !entry.blank && keys.insert(platform::UpperCase(entry.name)).second) {
      entries.push_back({section, entry.name, Unenclosed(entry.value, "\"'")});
    }
  }
  return entries;
}

std::optional<std::string> FindIniValue(std::string_view file, std::string_view section, std::string_view key) {
  IniLineReader reader(file);
  return FindIniValue(reader, section, key);
}

std::optional<std::string> FindIniValue(IniLineReader& reader, std::string_view section, std::string_view key) {
  const Place place = Locate(reader, Trimmed(section), Trimmed(key));
  if (!place.key) return std::nullopt;
  return Unenclosed(place.value, "\"'");
}

std::string WithIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value) {
  section = Trimmed(section);
  key = Trimmed(key);
  const platform::TextEncoding encoding = platform::EncodingOf(file);
  IniLineReader reader(file);
  const Place place = Locate(reader, section, key);
  std::string result;
  if (place.key) {
    // The key's line keeps its own line end.
    result.append(file.substr(0, place.key->begin));
    result += EncodeEntry(place.name, value, encoding);
    result.append(file.substr(place.key->end));
    return result;
  }
  // An added line ends as the nearest line before it that has an end; CR LF where none has.
  const std::string lineEnd = place.lastEnded ? std::string(file.substr(place.lastEnded->end,
                                                                         place.lastEnded->next - place.lastEnded->end))
                                              : EncodeText("\r\n", encoding);
  std::string added;
  if (!place.section) {
    std::string header(1, '[');
    header.append(section).append("]");
    added = EncodeText(header, encoding) + lineEnd;
  }
  added += EncodeEntry(key, value, encoding) + lineEnd;
  const std::size_t at = place.last ? place.last->next : file.size();
  result.append(file.substr(0, at));
  // The line before may be the file's last, without a line end.
  if (place.last && !place.last->HasEnd()) result += lineEnd;
  result += added;
  result.append(file.substr(at));
  return result;
}

std::string_view IniValuePart(std::string_view line, platform::TextEncoding encoding) {
  if (encoding == platform::TextEncoding::Utf16) {
    for (std::size_t at = 0; at + 1 < line.size(); at += 2)
      if (line[at] == '=' && line[at + 1] == '\0') return line.substr(at + 2);
    return line;
  }
  const std::size_t equals = line.find('=');
  return equals == std::string_view::npos ? line : line.substr(equals + 1);
}
