#include "support/path_text.h"

#include <algorithm>

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

std::string StripQuotes(std::string path) {
  path = Trim(path);
  // A lone quote has no pair to remove and comes back as it is.
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') return path.substr(1, path.size() - 2);
  return path;
}

namespace {

// Finds the (upper-cased) text in the upper-cased source, upper-casing only a
// block of the source at a time so that a long text is walked once, in cache.
class UpperCaseSearch {
 public:
  UpperCaseSearch(const std::string& source, const std::string& find) : source_(source), find_(find) {}

  std::size_t Find(std::size_t from) {
    for (;;) {
      const std::size_t blockEnd = blockStart_ + block_.size();
      if (from >= blockStart_ && from + find_.size() <= blockEnd) {
        const std::size_t at = block_.find(find_, from - blockStart_);
        if (at != std::string::npos) return blockStart_ + at;
        if (blockEnd == source_.size()) return std::string::npos;
        from = std::max(from, blockEnd - find_.size() + 1);
      }
      if (from >= source_.size()) return std::string::npos;
      blockStart_ = from;
      block_ = platform::UpperCase(std::string_view(source_).substr(from, kBlock + find_.size()));
      if (block_.size() < find_.size()) return std::string::npos;
    }
  }

 private:
  static constexpr std::size_t kBlock = 64 * 1024;
  const std::string& source_;
  const std::string& find_;
  std::string block_;
  std::size_t blockStart_ = 0;
};

}  // namespace

namespace {

// The replacement loop that ReplaceText and ReplaceAtWordStart share; accept
// decides whether a match at a position counts.
template <typename Accept>
std::string Replace(const std::string& source, const std::string& find, const std::string& replacement,
                    bool exactCase, Accept&& accept) {
  UpperCaseSearch upperCaseSearch(source, find);
  auto next = [&](std::size_t from) { return exactCase ? source.find(find, from) : upperCaseSearch.Find(from); };

  // Every search after a replacement starts behind it and the upper-case
  // mapping keeps lengths, so matching the original's upper-cased copy from
  // left to right finds exactly the matches that re-deriving the copy of the
  // growing text would find, in linear time.
  std::string result;
  std::size_t copied = 0;  // source characters already in result
  std::size_t from = 0;
  while (from < source.size()) {
    const std::size_t at = next(from);
    if (at == std::string::npos) break;
    if (!accept(at)) {
      from = at + 1;
      continue;
    }
    result.append(source, copied, at - copied);
    result += replacement;
    copied = at + find.size();
    from = copied + 1;
  }
  if (copied == 0 && result.empty()) return source;
  result.append(source, copied, std::string::npos);
  return result;
}

bool WordCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x80 || (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

}  // namespace

std::string ReplaceText(const std::string& source, std::string& find, const std::string& replacement, bool exactCase) {
  if (!exactCase) find = platform::UpperCase(find);
  return Replace(source, find, replacement, exactCase, [](std::size_t) { return true; });
}

std::string ReplaceAtWordStart(const std::string& source, std::string& find, const std::string& replacement) {
  find = platform::UpperCase(find);
  return Replace(source, find, replacement, false,
                 [&](std::size_t at) { return at == 0 || !WordCharacter(source[at - 1]); });
}
