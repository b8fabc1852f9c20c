#include "support/portable_rewrite.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "platform/path.h"
#include "platform/text.h"
#include "support/line_text.h"
#include "support/path_text.h"

std::string PortableValue(const std::string& value, const std::string& directory) {
  std::string find = directory;
  std::string result = find.empty() ? value : ReplaceAtWordStart(value, find, kCommanderPath);
  std::string drive = platform::DriveOf(directory);
  return drive.empty() ? result : ReplaceAtWordStart(result, drive, kCommanderDrive);
}

std::string RewriteLine(std::string line, std::string find1, std::string find2, const std::string& replacement,
                        bool afterWord) {
  if (!find1.empty()) line = ReplaceAtWordStart(line, find1, replacement, afterWord);
  if (!find2.empty()) line = ReplaceAtWordStart(line, find2, replacement, afterWord);
  return line;
}

std::string RewriteFileLine(std::string_view bytes, platform::TextEncoding encoding, const std::string& find1,
                            const std::string& find2, const std::string& replacement) {
  std::vector<LinePiece> pieces = DecodeLine(bytes, encoding);
  bool changed = false;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    LinePiece& piece = pieces[i];
    if (piece.form == LinePiece::Form::Bytes || piece.form == LinePiece::Form::Mark) continue;
    // Bytes that decode to nothing lie beyond ASCII, inside a word as before.
    const bool afterWord = i > 0 && pieces[i - 1].form == LinePiece::Form::Bytes;
    std::string rewritten = RewriteLine(piece.text, find1, find2, replacement, afterWord);
    if (rewritten == piece.text) continue;
    piece.text = std::move(rewritten);
    changed = true;
  }
  std::string result;
  return changed && EncodeLine(pieces, result) ? result : std::string(bytes);
}

bool LineHolds(std::string_view bytes, platform::TextEncoding encoding, const std::string& upperFind1,
               const std::string& upperFind2) {
  if (bytes.empty()) return false;
  if (upperFind1.empty() || upperFind2.empty()) return true;
  const std::string upper = platform::UpperCase(LineText(bytes, encoding));
  return Contains(upper, upperFind1) || Contains(upper, upperFind2);
}

namespace {

// UTF-16 LE units all of ASCII.
bool IsAsciiUtf16(std::string_view bytes) {
  if (bytes.size() % 2) return false;
  for (std::size_t i = 0; i < bytes.size(); i += 2)
    if (static_cast<unsigned char>(bytes[i]) >= 0x80 || bytes[i + 1] != 0) return false;
  return true;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether eight bytes hold either of two: one word's worth at a time.
bool HoldsEither(const char* bytes, char a, char b) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  const auto holds = [word](char c) {
    const std::uint64_t x = word ^ (0x0101010101010101ULL * static_cast<unsigned char>(c));
    return ((x - 0x0101010101010101ULL) & ~x & 0x8080808080808080ULL) != 0;
  };
  return holds(a) || holds(b);
}

// The first unit at or behind from (units of kUnit bytes, the low byte first)
// whose low byte is either case of an ASCII letter; the number of units where
// none is.
template <std::size_t kUnit>
std::size_t FindLetter(std::string_view source, std::size_t from, char upper, char lower) {
  const std::size_t units = source.size() / kUnit;
  while (from < units) {
    if (from + 8 / kUnit <= units && !HoldsEither(source.data() + from * kUnit, upper, lower))
      from += 8 / kUnit;
    else if (source[from * kUnit] == upper || source[from * kUnit] == lower)
      return from;
    else
      ++from;
  }
  return units;
}

// ReplaceAtWordStart on ASCII text of units of kUnit bytes (the low byte
// first), into result: true when something was replaced. occurs: the search
// text stands in the source, at a word's start or not.
template <std::size_t kUnit>
bool ReplaceAsciiAtWordStart(std::string_view source, const std::string& upperFind, std::string_view replacement,
                             std::string& result, bool& occurs) {
  const std::size_t units = source.size() / kUnit, length = upperFind.size();
  const auto unit = [&](std::size_t i) { return source[i * kUnit]; };
  const char upper = upperFind[0], lower = AsciiLower(upper);
  const auto firstFrom = [&](std::size_t at) { return FindLetter<kUnit>(source, at, upper, lower); };
  std::size_t copied = 0, from = 0;
  bool replaced = false;
  occurs = false;
  while (from + length <= units) {
    std::size_t at = firstFrom(from);
    for (; at + length <= units; at = firstFrom(at + 1)) {
      std::size_t k = 1;
      while (k < length && AsciiUpper(unit(at + k)) == upperFind[k]) ++k;
      if (k == length) break;
    }
    if (at + length > units) break;
    occurs = true;
    if (at > 0 && WordCharacter(unit(at - 1))) {
      from = at + 1;
      continue;
    }
    if (!replaced) result.clear();
    result.append(source.substr(copied * kUnit, (at - copied) * kUnit)).append(replacement);
    replaced = true;
    copied = at + length;
    from = copied + 1;  // one character behind the replacement
  }
  if (replaced) result.append(source.substr(copied * kUnit));
  return replaced;
}

}  // namespace

PortableLineRewriter::PortableLineRewriter(const std::string& find1, const std::string& find2,
                                           const std::string& replacement)
    : find1_(platform::UpperCase(find1)),
      find2_(platform::UpperCase(find2)),
      replacement_(replacement),
      wideReplacement_(Utf8ToUtf16(replacement)) {
  ascii_ = IsAsciiText(find1_) && IsAsciiText(find2_) && IsAsciiText(replacement);
  for (const std::string* find : {&find1_, &find2_})
    if (!find->empty()) asciiFinds_.push_back(*find);
  // Any line without a search text's first letter, in either case, can be
  // passed by, unless a character beyond ASCII is that letter in upper case.
  // The table is asked once per run: which ASCII characters one beyond ASCII upper-cases to.
  static const std::array<bool, 128> kUpperOfBeyondAscii = [] {
    std::array<bool, 128> upper{};
    for (char32_t c = 0x80; c < 0x10000; ++c)
      if (platform::UpperChar(c) < 128) upper[platform::UpperChar(c)] = true;
    return upper;
  }();
  passable_ = ascii_;
  for (const std::string& find : asciiFinds_)
    passable_ = passable_ && !kUpperOfBeyondAscii[static_cast<unsigned char>(find[0])];
  // A second search text that begins with the first stands only where the first does.
  secondNeedsFirst_ = asciiFinds_.size() == 2 && find2_.starts_with(find1_);
}

PortableLineRewriter::Result PortableLineRewriter::Rewrite(std::string_view line, platform::TextEncoding encoding,
                                                           std::string& rewritten) {
  const bool wide = encoding == platform::TextEncoding::Utf16;
  if (ascii_ && wide && IsAsciiUtf16(line)) return RewriteAscii<2>(line, rewritten);
  if (ascii_ && !wide && IsAsciiText(line)) return RewriteAscii<1>(line, rewritten);
  if (passable_ && !HoldsFirstLetter(line, wide))
    return {!line.empty() && (find1_.empty() || find2_.empty()), false};
  Result result;
  result.holds = LineHolds(line, encoding, find1_, find2_);
  if (!result.holds) return result;
  rewritten = RewriteFileLine(line, encoding, find1_, find2_, replacement_);
  result.changed = rewritten != line;
  return result;
}

bool PortableLineRewriter::HoldsFirstLetter(std::string_view line, bool wide) const {
  for (const std::string& find : asciiFinds_) {
    const char upper = find[0], lower = AsciiLower(upper);
    // In UTF-16 a unit of another character may have the letter's low byte: the line is then looked at closer.
    if (wide ? FindLetter<2>(line, 0, upper, lower) < line.size() / 2
             : FindLetter<1>(line, 0, upper, lower) < line.size())
      return true;
  }
  return false;
}

template <std::size_t kUnit>
PortableLineRewriter::Result PortableLineRewriter::RewriteAscii(std::string_view line, std::string& rewritten) {
  // An empty search text counts as found in every line that is not empty.
  Result result{!line.empty() && (find1_.empty() || find2_.empty()), false};
  const std::string_view replacement = kUnit == 2 ? wideReplacement_ : replacement_;
  bool firstOccurs = false;
  for (std::size_t i = 0; i < asciiFinds_.size(); ++i) {
    if (i == 1 && secondNeedsFirst_ && !firstOccurs) break;
    // The second search text is looked for in what the first left.
    const std::string_view source = result.changed ? std::string_view(rewritten) : line;
    std::string& target = result.changed ? scratch_ : rewritten;
    bool occurs = false;
    if (ReplaceAsciiAtWordStart<kUnit>(source, asciiFinds_[i], replacement, target, occurs)) {
      if (result.changed) rewritten.swap(scratch_);
      result.changed = true;
    }
    firstOccurs = firstOccurs || occurs;
    result.holds = result.holds || occurs;
  }
  // A replacement may give the bytes it replaced.
  result.changed = result.changed && rewritten != line;
  return result;
}
