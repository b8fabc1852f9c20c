#include "support/session_lines.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

#include "platform/text.h"
#include "platform/text_file.h"
#include "support/ini_keys.h"
#include "support/line_text.h"
#include "support/path_text.h"
#include "support/portable_rewrite.h"

namespace {

// FNV-1a over eight bytes at a time (little-endian, as on every machine the
// program runs on), each step folded once more: the same for the same bytes
// in every build of the program.
std::uint64_t Hash(std::string_view bytes) {
  constexpr std::uint64_t kPrime = 1099511628211ull;
  std::uint64_t hash = 14695981039346656037ull ^ bytes.size();
  std::size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + at, 8);
    hash = (hash ^ word) * kPrime;
    hash ^= hash >> 32;
  }
  for (; at < bytes.size(); ++at) hash = (hash ^ static_cast<unsigned char>(bytes[at])) * kPrime;
  return hash;
}

// Sections that Total Commander fills with what the user typed to search,
// select or rename; and in its saved searches, the keys of those texts. Upper
// case, as the names are compared.
constexpr std::string_view kTextSections[] = {"SEARCHNAME", "SEARCHTEXT", "SELECTION", "RENAMETEMPLATES"};
constexpr std::string_view kSavedSearches = "SEARCHES";
constexpr std::string_view kSavedSearchTexts[] = {"_SEARCHFOR", "_SEARCHTEXT"};

}  // namespace

std::vector<std::uint64_t> LineHashes(std::string_view bytes) {
  std::vector<std::uint64_t> hashes;
  IniLineReader reader(bytes);
  for (IniLineSpan line; reader.Next(line);)
    hashes.push_back(Hash(IniValuePart(bytes.substr(line.begin, line.end - line.begin), reader.Encoding())));
  std::sort(hashes.begin(), hashes.end());
  hashes.erase(std::unique(hashes.begin(), hashes.end()), hashes.end());
  return hashes;
}

std::string SessionLinePortable(const std::string& text, const std::string& dir, const std::string& drive) {
  // At a drive root the folder is the drive: it begins a path only before a separator.
  const bool root = dir.size() == 2 && dir[1] == ':';
  std::string line = dir.empty() ? text : ReplacePathStart(text, dir, kCommanderPath, root);
  return drive.empty() ? line : ReplacePathStart(line, drive, kCommanderDrive, true);
}

bool SessionLineBytesPortable(std::string_view line, platform::TextEncoding encoding, const std::string& dir,
                              const std::string& drive, std::string& bytes) {
  std::vector<LinePiece> pieces = DecodeLine(line, encoding);
  bool changed = false;
  for (LinePiece& piece : pieces) {
    if (piece.form == LinePiece::Form::Bytes || piece.form == LinePiece::Form::Mark) continue;
    std::string text = SessionLinePortable(piece.text, dir, drive);
    changed = changed || text != piece.text;
    piece.text = std::move(text);
  }
  return changed && EncodeLine(pieces, bytes);
}

SessionConversion::SessionConversion(std::string_view bytes, const std::vector<std::uint64_t>* handed,
                                     const HandedOver& folder, const std::vector<PendingLines>* pending)
    : bytes_(bytes), handed_(handed), folder_(folder), pending_(pending) {
  Restart();
}

SessionConversion::SessionConversion(IniLineReader::FromFile, std::string file,
                                     const std::vector<std::uint64_t>* handed, const HandedOver& folder,
                                     const std::vector<PendingLines>* pending)
    : file_(std::move(file)), handed_(handed), folder_(folder), pending_(pending) {
  Restart();
}

void SessionConversion::Restart() {
  reader_.reset();
  if (file_.empty())
    reader_.emplace(bytes_);
  else
    reader_.emplace(IniLineReader::FromFile{}, file_);
  found_.assign(handed_ ? handed_->size() : 0, 0);
  section_ = Section::Paths;
  before_.clear();
  after_.clear();
  converted_.clear();
}

const PendingLines* SessionConversion::Waiting(std::uint64_t hash) const {
  if (pending_)
    for (const PendingLines& group : *pending_)
      if (std::binary_search(group.hashes.begin(), group.hashes.end(), hash)) return &group;
  return nullptr;
}

bool SessionConversion::Handed(std::uint64_t hash) {
  if (!handed_ || handed_->empty()) return false;
  // Hashes are spread evenly: the place is guessed from the value and looked
  // for around it, and in the whole list where it lies outside.
  const auto& hashes = *handed_;
  const std::size_t count = hashes.size(), guess = static_cast<std::size_t>(((hash >> 32) * count) >> 32);
  const std::size_t around = 64 + 4 * static_cast<std::size_t>(std::sqrt(static_cast<double>(count)));
  auto first = hashes.begin() + static_cast<std::ptrdiff_t>(guess > around ? guess - around : 0);
  auto last = hashes.begin() + static_cast<std::ptrdiff_t>(std::min(count, guess + around));
  if (*first > hash || (last != hashes.end() && *last < hash)) {
    first = hashes.begin();
    last = hashes.end();
  }
  const auto at = std::lower_bound(first, last, hash);
  if (at == hashes.end() || *at != hash) return false;
  found_[static_cast<std::size_t>(at - hashes.begin())] = 1;
  return true;
}

bool SessionConversion::HoldsText(std::string_view line) {
  const char first = IniFirstCharacter(line, reader_->Encoding());
  if (first == ';') return true;
  if (first != '[' && section_ != Section::Searches) return section_ == Section::Texts;
  const IniLineNames names = NamesOfIniLine(line, reader_->Encoding());
  if (names.section) {
    const std::string upper = platform::UpperCase(*names.section);
    section_ = std::find(std::begin(kTextSections), std::end(kTextSections), upper) != std::end(kTextSections)
                   ? Section::Texts
               : upper == kSavedSearches ? Section::Searches
                                         : Section::Paths;
    return false;
  }
  const std::string key = platform::UpperCase(names.key);
  return section_ == Section::Texts ||
         std::any_of(std::begin(kSavedSearchTexts), std::end(kSavedSearchTexts),
                     [&](std::string_view ending) { return key.ends_with(ending); });
}

bool SessionConversion::Next(bool& changed) {
  changed = false;
  if (!reader_ || !reader_->Next(span_)) return false;
  const std::string_view line = reader_->Bytes(span_.begin, span_.end);
  const std::uint64_t hash = Hash(IniValuePart(line, reader_->Encoding()));
  const bool notAPath = HoldsText(line);
  // A pending line counts as the session's whatever was handed over since.
  const PendingLines* waiting = Waiting(hash);
  if (!waiting && Handed(hash)) return true;
  if (notAPath) {
    before_.push_back(hash);
    after_.push_back(hash);
    return true;
  }
  changed = waiting ? SessionLineBytesPortable(line, reader_->Encoding(), waiting->dir, waiting->drive, encoded_)
                    : SessionLineBytesPortable(line, reader_->Encoding(), folder_.dir, folder_.drive, encoded_);
  if (changed) converted_.emplace_back(waiting, hash);
  before_.push_back(hash);
  after_.push_back(changed ? Hash(IniValuePart(encoded_, reader_->Encoding())) : hash);
  return true;
}

bool SessionConversion::FindChange() {
  for (bool changed; Next(changed);)
    if (changed) return true;
  return false;
}

bool SessionConversion::WriteTo(const std::function<bool(std::string_view)>& write) {
  // From the start again: nothing read before the first change is kept.
  Restart();
  bool writing = write(reader_->Bytes(0, platform::MarkLength(reader_->Encoding())));
  for (bool changed; Next(changed);) {
    if (!writing) continue;
    writing = changed ? write(encoded_) && write(reader_->Bytes(span_.end, span_.next))
                      : write(reader_->Bytes(span_.begin, span_.next));
  }
  failed_ = reader_->Failed();
  reader_.reset();
  return writing && !failed_;
}

std::vector<PendingLines> SessionConversion::Unwritten() const {
  std::vector<PendingLines> groups;
  for (const auto& [waiting, hash] : converted_) {
    const std::string& dir = waiting ? waiting->dir : folder_.dir;
    const std::string& drive = waiting ? waiting->drive : folder_.drive;
    auto group = std::find_if(groups.begin(), groups.end(),
                              [&](const PendingLines& g) { return g.dir == dir && g.drive == drive; });
    if (group == groups.end()) group = groups.insert(groups.end(), {dir, drive, {}});
    group->hashes.push_back(hash);
  }
  for (PendingLines& group : groups) {
    std::sort(group.hashes.begin(), group.hashes.end());
    group.hashes.erase(std::unique(group.hashes.begin(), group.hashes.end()), group.hashes.end());
  }
  return groups;
}

std::vector<std::uint64_t> SessionConversion::Lines(bool written) {
  for (bool changed = false; Next(changed);) continue;
  std::vector<std::uint64_t>& own = written ? after_ : before_;
  std::sort(own.begin(), own.end());
  // Merged with the handed hashes still found, without a list of those: large
  // lists of fresh memory are slow to touch.
  std::vector<std::uint64_t> lines;
  lines.reserve(own.size() + found_.size());
  auto next = own.begin();
  for (std::size_t i = 0; i < found_.size(); ++i) {
    if (!found_[i]) continue;
    for (; next != own.end() && *next < (*handed_)[i]; ++next) lines.push_back(*next);
    lines.push_back((*handed_)[i]);
  }
  lines.insert(lines.end(), next, own.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  return lines;
}
