#include "support/path_text.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/path.h"
#include "platform/text.h"

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

std::string ExtractFileName(const std::string& path) {
  if (path.empty()) return {};
  const char separator = Contains(path, "\\") ? '\\' : Contains(path, "/") ? '/' : '\\';
  const auto last = path.rfind(separator);
  return last == std::string::npos ? path : path.substr(last + 1);
}

std::string DirectoryPart(const std::string& path) {
  if (path.empty()) return {};
  // In a path holding both kinds, only "/" separates.
  const bool both = Contains(path, "\\") && Contains(path, "/");
  const auto last = both ? path.rfind('/') : path.find_last_of("\\/");
  return last == std::string::npos ? path : Trim(std::string_view(path).substr(0, last + 1));
}

std::string NormalizeDirectory(std::string path) {
  if (path.empty()) return {};
  const bool quoted = path.back() == '"';
  if (quoted) path.pop_back();
  for (const char separator : {'\\', '/'}) {
    if (!Contains(path, std::string_view(&separator, 1))) continue;
    if (path.empty() || path.back() != separator) path += separator;
    break;
  }
  if (quoted) path += '"';
  return path;
}

std::string QuotePath(std::string path) {
  path = Trim(path);
  if (!Contains(path, "\"") && Contains(path, " ")) return '"' + path + '"';
  return path;
}

std::string StripQuotes(std::string path) { return Unenclosed(Trim(path)); }

std::string Unenclosed(std::string_view text, std::string_view quotes) {
  // A lone quote has no pair to remove and comes back as it is.
  if (text.size() >= 2 && Contains(quotes, text.substr(0, 1)) && text.back() == text.front())
    return std::string(text.substr(1, text.size() - 2));
  return std::string(text);
}

namespace {

// Finds the upper-cased find text in the source, character by character with
// each source character upper-cased as it is read (Knuth, Morris and Pratt), so
// that a match never begins or ends inside a character and the source is
// walked once, whatever the find text.
class UpperCaseSearch {
 public:
  UpperCaseSearch(const std::string& source, const std::string& find) : source_(source) {
    for (std::size_t at = 0; at < find.size();) {
      const platform::Utf8Char c = platform::DecodeUtf8(find, at);
      find_.push_back(platform::UpperChar(c.code));
      at += c.length;
    }
    // fallback_[i]: how much of the find text still matches when the
    // character behind its first i + 1 characters does not.
    fallback_.assign(find_.size(), 0);
    for (std::size_t i = 1, k = 0; i < find_.size(); ++i) {
      while (k > 0 && find_[i] != find_[k]) k = fallback_[k - 1];
      if (find_[i] == find_[k]) ++k;
      fallback_[i] = k;
    }
    starts_.resize(find_.size());
    // Where a match can begin: the ASCII bytes of its first character, or any lead byte.
    for (int b = 0; b < 256; ++b)
      candidate_[b] = find_.empty() || b >= 0x80 || static_cast<char32_t>(b >= 'a' && b <= 'z' ? b - 32 : b) == find_[0];
  }

  // The first match at or behind the character boundary from: its start and length.
  std::pair<std::size_t, std::size_t> Find(std::size_t from) {
    const std::size_t length = find_.size(), size = source_.size();
    if (length == 0) return {from, 0};
    std::size_t matched = 0, read = 0;  // characters of the find text matched; characters read
    while (from < size) {
      if (matched == 0 && !candidate_[static_cast<unsigned char>(source_[from])]) {
        ++from;  // an ASCII byte is a character of its own
        continue;
      }
      const platform::Utf8Char c = platform::DecodeUtf8(source_, from);
      const char32_t upper = platform::UpperChar(c.code);
      while (matched > 0 && upper != find_[matched]) matched = fallback_[matched - 1];
      // Where the characters read begin, the last ones kept, to give where a match begins.
      starts_[read++ % length] = from;
      from += c.length;
      if (upper != find_[matched]) continue;
      if (++matched == length) {
        const std::size_t begin = starts_[(read - length) % length];
        return {begin, from - begin};
      }
    }
    return {std::string::npos, 0};
  }

 private:
  const std::string& source_;
  std::vector<char32_t> find_;
  std::vector<std::size_t> fallback_;
  std::vector<std::size_t> starts_;
  bool candidate_[256];
};

// The replacement loop that ReplaceText and ReplaceAtWordStart share; accept
// decides whether a match at a position counts. Every search after a
// replacement resumes one character behind it, so walking the original from
// left to right finds exactly the matches that searching the growing text
// anew would find, in linear time.
template <typename Accept>
std::string Replace(const std::string& source, const std::string& find, const std::string& replacement,
                    bool exactCase, Accept&& accept) {
  UpperCaseSearch upperCaseSearch(source, exactCase ? std::string() : find);
  auto next = [&](std::size_t from) -> std::pair<std::size_t, std::size_t> {
    if (!exactCase) return upperCaseSearch.Find(from);
    const std::size_t at = source.find(find, from);
    return {at, find.size()};
  };
  auto characterAt = [&](std::size_t at) { return at < source.size() ? platform::DecodeUtf8(source, at).length : 1; };

  std::string result;
  std::size_t copied = 0;  // source bytes already in result
  std::size_t from = 0;
  bool replaced = false;
  while (from < source.size()) {
    const auto [at, length] = next(from);
    if (at == std::string::npos) break;
    if (!accept(at, length)) {
      from = at + characterAt(at);
      continue;
    }
    result.append(source, copied, at - copied);
    result += replacement;
    replaced = true;
    copied = at + length;
    from = copied + characterAt(copied);
  }
  if (!replaced) return source;
  result.append(source, copied, std::string::npos);
  return result;
}

}  // namespace

bool WordCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x80 || (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

std::string ReplaceText(const std::string& source, std::string& find, const std::string& replacement, bool exactCase) {
  if (!exactCase) find = platform::UpperCase(find);
  return Replace(source, find, replacement, exactCase, [](std::size_t, std::size_t) { return true; });
}

std::string ReplaceAtWordStart(const std::string& source, std::string& find, const std::string& replacement,
                               bool afterWord) {
  find = platform::UpperCase(find);
  return Replace(source, find, replacement, false,
                 [&](std::size_t at, std::size_t) { return at == 0 ? !afterWord : !WordCharacter(source[at - 1]); });
}

std::string ReplacePathStart(const std::string& source, std::string find, const std::string& replacement,
                             bool separatorBehind) {
  find = platform::UpperCase(find);
  return Replace(source, find, replacement, false, [&](std::size_t at, std::size_t length) {
    const std::size_t behind = at + length;
    const bool ends = behind == source.size() ? !separatorBehind
                                               : platform::IsSeparator(source[behind]) ||
                                                     (!separatorBehind && !WordCharacter(source[behind]));
    return ends && (at == 0 || !WordCharacter(source[at - 1]));
  });
}
