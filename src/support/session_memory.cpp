#include "support/session_memory.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "platform/file_system.h"
#include "platform/medium_changes.h"
#include "platform/path.h"
#include "platform/process.h"
#include "platform/text.h"
#include "platform/text_file.h"
#include "support/config_web.h"
#include "support/file_copy.h"
#include "support/path_text.h"
#include "support/plugin_settings.h"
#include "support/portable_rewrite.h"

namespace {

constexpr std::string_view kTitle = "Ambler: the values of the portable files as the last launch handed them over\r\n";

// "key=value" and its line end, or nothing where the bytes at from hold no such line.
std::optional<std::string> Field(std::string_view bytes, std::size_t& from, std::string_view key) {
  const std::size_t end = bytes.find("\r\n", from);
  if (end == std::string_view::npos || bytes.substr(from, key.size() + 1) != std::string(key) + "=") return {};
  std::string value(bytes.substr(from + key.size() + 1, end - from - key.size() - 1));
  from = end + 2;
  return value;
}

bool IsDrive(const std::string& drive) { return drive.empty() || (drive.size() == 2 && drive[1] == ':'); }

void AppendHashes(std::string& bytes, const std::vector<std::uint64_t>& hashes) {
  bytes += "lines=" + std::to_string(hashes.size()) + "\r\n";
  const std::size_t at = bytes.size();
  bytes.resize(at + hashes.size() * sizeof(std::uint64_t));
  std::memcpy(bytes.data() + at, hashes.data(), hashes.size() * sizeof(std::uint64_t));
}

bool ReadHashes(std::string_view bytes, std::size_t& at, std::vector<std::uint64_t>& hashes) {
  const auto lines = Field(bytes, at, "lines");
  if (!lines || lines->empty() || lines->size() > 12 || lines->find_first_not_of("0123456789") != std::string::npos)
    return false;
  const std::size_t count = std::stoull(*lines), size = count * sizeof(std::uint64_t);
  if (count > bytes.size() || bytes.size() - at < size) return false;
  hashes.resize(count);
  std::memcpy(hashes.data(), bytes.data() + at, size);
  at += size;
  return true;
}

}  // namespace

void HandedOverBytes(const HandedOver& handed, std::string& bytes) {
  bytes = kTitle;
  bytes += "dir=" + handed.dir + "\r\ndrive=" + handed.drive + "\r\nbar=" + handed.bar + "\r\nsettings=";
  for (const std::string& file : handed.settings) bytes += file + "|";
  bytes += "\r\n";
  for (const auto& [name, hashes] : handed.files) {
    bytes += "file=" + name + "\r\n";
    if (const auto stamp = handed.stamps.find(name); stamp != handed.stamps.end())
      bytes += "stamp=" + std::to_string(stamp->second.size) + "," + std::to_string(stamp->second.ticks) + "\r\n";
    AppendHashes(bytes, hashes);
    if (const auto pending = handed.pending.find(name); pending != handed.pending.end())
      for (const PendingLines& group : pending->second) {
        bytes += "pending=" + group.dir + "\r\ndrive=" + group.drive + "\r\n";
        AppendHashes(bytes, group.hashes);
      }
  }
}

std::optional<HandedOver> ReadHandedOver(std::string_view bytes) {
  if (!bytes.starts_with(kTitle)) return {};
  std::size_t at = kTitle.size();
  HandedOver handed;
  const auto dir = Field(bytes, at, "dir"), drive = Field(bytes, at, "drive"), bar = Field(bytes, at, "bar");
  if (!dir || dir->empty() || !drive || !IsDrive(*drive) || !bar) return {};
  handed.dir = *dir;
  handed.drive = *drive;
  handed.bar = *bar;
  // What a memory of an earlier version lacks counts as unknown.
  if (bytes.substr(at).starts_with("settings=")) {
    const std::string list = *Field(bytes, at, "settings");  // each name ends with "|"
    for (std::size_t from = 0, end; (end = list.find('|', from)) != std::string::npos; from = end + 1)
      handed.settings.push_back(list.substr(from, end - from));
  }
  while (at < bytes.size()) {
    // Only portable files and the user commands in Total Commander's own folder.
    const auto name = Field(bytes, at, "file");
    if (!name || !(name->starts_with(kPortablePrefix) || *name == kUserCommands) ||
        name->find_first_of("\\/:") != std::string::npos)
      return {};
    if (bytes.substr(at).starts_with("stamp=")) {
      platform::FileStamp& stamp = handed.stamps[*name];
      if (std::sscanf(Field(bytes, at, "stamp")->c_str(), "%" SCNu64 ",%" SCNu64, &stamp.size, &stamp.ticks) != 2)
        return {};
    }
    if (!ReadHashes(bytes, at, handed.files[*name])) return {};
    while (bytes.substr(at).starts_with("pending=")) {
      PendingLines group;
      const auto groupDir = Field(bytes, at, "pending"), groupDrive = Field(bytes, at, "drive");
      if (!groupDir || groupDir->empty() || !groupDrive || !IsDrive(*groupDrive) ||
          !ReadHashes(bytes, at, group.hashes))
        return {};
      group.dir = *groupDir;
      group.drive = *groupDrive;
      handed.pending[*name].push_back(std::move(group));
    }
  }
  return handed;
}

SessionMemory::SessionMemory(std::function<void(const std::string& file)> unwritable)
    : unwritable_(std::move(unwritable)) {}

bool SessionMemory::Begin(const TotalCommanderFolder& folder, bool keepReads) {
  if (begun_) return false;
  begun_ = true;
  folder_ = folder;
  keepReads_ = keepReads;
  platform::FinishInterruptedReplacements(folder_.TCPath, std::string(kPortablePrefix), {kRewriteScratchSuffix});
  platform::FinishInterruptedReplacement(folder_.File(kUserCommands));
  if (platform::ReadFileBytes(folder_.File(kHandedOverFile), remembered_)) handed_ = ReadHandedOver(remembered_);
  if (handed_) {
    rememberedAt_ = platform::LastWriteTicks(folder_.File(kHandedOverFile));
    webUnchanged_ = NothingWrittenSinceRemembered();
    for (auto& [name, hashes] : handed_->files)
      if (webUnchanged_)
        read_[name].swap(hashes);  // nothing left to convert with them
      else if (std::vector<std::uint64_t> lines; Convert(folder_.File(name), &hashes, &lines))
        read_[name] = std::move(lines);
  } else if (platform::FileExists(folder_.File(kPortableIni))) {
    // Portable files without a memory (deleted, broken, of an older version)
    // hold paths written with a letter nobody knows: they are made portable
    // with today's folder and drive, as at a first start.
    handed_ = Today();
    for (const std::string_view name : {kPortableIni, kPortableFtpIni, kPortableBar})
      if (std::vector<std::uint64_t> lines; Convert(folder_.File(name), nullptr, &lines))
        read_[std::string(name)] = std::move(lines);
  }
  keepReads_ = false;
  readAtChange_ = platform::MediumChangesCounted();
  return true;
}

bool SessionMemory::NothingWrittenSinceRemembered() const {
  // Lines waiting to be converted count as a change; a memory without stamps
  // (of an earlier version) cannot tell.
  if (!handed_->pending.empty() || handed_->stamps.size() != handed_->files.size()) return false;
  return std::all_of(handed_->stamps.begin(), handed_->stamps.end(), [&](const auto& remembered) {
    return platform::OrdinaryFileStamp(folder_.File(remembered.first)) == remembered.second;
  });
}

bool SessionMemory::WebUnchanged() const {
  return webUnchanged_ && platform::MediumChangesCounted() == readAtChange_;
}

std::vector<std::string> SessionMemory::RememberedWeb() const {
  std::vector<std::string> web;
  for (const auto& [name, lines] : read_)
    if (name != kPortableIni && name != kPortableFtpIni && name != kPortableBar && name != kUserCommands)
      web.push_back(folder_.File(name));
  return web;
}

std::vector<std::string> SessionMemory::RememberedSettings() const {
  std::vector<std::string> settings;
  if (handed_)
    for (const std::string& file : handed_->settings) settings.push_back(folder_.Expand(file));
  return settings;
}

std::string SessionMemory::BarOriginal() const {
  return handed_ && !handed_->bar.empty() ? folder_.Expand(handed_->bar) : std::string();
}

HandedOver SessionMemory::Today() const {
  HandedOver today{folder_.TCDir, folder_.drive, {}};
  // Windows' own drive is never the medium's, whatever Total Commander writes with its letter.
  if (platform::UpperCase(today.drive) == platform::UpperCase(platform::SystemDrive())) today.drive.clear();
  return today;
}

bool SessionMemory::Convert(const std::string& file, const std::vector<std::uint64_t>* handedLines,
                            std::vector<std::uint64_t>* lines, const HandedOver* letters) {
  // A hidden or system file is the user's own. A large file is read in blocks, never held whole.
  constexpr std::uint64_t kSmall = 64 * 1024;
  const std::optional<std::uint64_t> size = platform::OrdinaryFileSize(file);
  if (!size || (!handed_ && !letters)) return false;
  if (!letters) letters = &*handed_;
  const std::string name = ExtractFileName(file);
  const std::vector<PendingLines>* waiting = nullptr;
  if (handed_)
    if (const auto pending = handed_->pending.find(name); pending != handed_->pending.end()) waiting = &pending->second;
  std::string bytes;
  const bool small = keepReads_ && *size <= kSmall && platform::ReadFileBytes(file, bytes);
  std::optional<SessionConversion> conversion;
  if (small)
    conversion.emplace(bytes, handedLines, *letters, waiting);
  else
    conversion.emplace(IniLineReader::FromFile{}, file, handedLines, *letters, waiting);
  bool written = false;
  if (conversion->FindChange()) {
    // The user's own file, changed in place, keeps what it was before its first change.
    const std::string original = folder_.File(std::string(kPortablePrefix) + name + ".original");
    written = (name.starts_with(kPortablePrefix) || platform::FileExistsHiddenToo(original) ||
               CopyFileOver(file, original, false)) &&
              platform::ReplaceFileContentInPieces(
                  file, [&](const platform::PieceWriter& write) { return conversion->WriteTo(write); });
    // What could not be written waits, with its letters, for a start with room.
    if (!written && !conversion->Failed()) {
      unwritten_[name] = conversion->Unwritten();
      unwritable_(file);
    }
  }
  std::vector<std::uint64_t> known = conversion->Lines(written);
  if (conversion->Failed()) return false;
  if (small && !written) readSmall_[platform::UpperCase(file)] = std::move(bytes);
  if (lines) *lines = std::move(known);
  return true;
}

void SessionMemory::MakeNewcomerPortable(const std::string& copy, const std::string& source, bool made) {
  if (!handed_ || handed_->files.contains(ExtractFileName(copy))) return;
  // A file written since the last launch was written with that launch's
  // folder; one written before, with a letter nobody knows: a copy made now
  // is left to the web walk, which makes it portable as at a first start, and
  // one kept from before takes today's folder and drive.
  const std::optional<std::uint64_t> written = platform::LastWriteTicks(made ? source : copy);
  if (!rememberedAt_ || (written && *written >= *rememberedAt_)) {
    Convert(copy, nullptr);
  } else if (!made) {
    const HandedOver today = Today();
    Convert(copy, nullptr, nullptr, &today);
  }
}

void SessionMemory::TakeInUserFile(const std::string& file) {
  if (handed_) {
    MakeNewcomerPortable(file, file, false);
  } else {
    const HandedOver today = Today();
    Convert(file, nullptr, nullptr, &today);
  }
}

void SessionMemory::KeepPluginSettingsOnToday(const std::string& file) {
  const std::string& today = folder_.drive;
  if (today.empty()) return;
  platform::FinishInterruptedReplacement(file);
  std::string bytes, shadow;
  if (!platform::FileExists(file) || !platform::ReadFileBytes(file, bytes)) return;
  const std::string shadowFile = folder_.File(PortableCopyName(file) + ".shadow");
  platform::ReadFileBytes(shadowFile, shadow);
  // Without a memory the file was last written with a letter nobody knows: today's is the best guess.
  const std::string last = handed_ && !handed_->drive.empty() ? handed_->drive : today;
  const PluginSettings next = PluginSettingsOnToday(bytes, shadow, last, today);
  // The shadow first: a pull between the two leaves a file that the shadow still explains.
  if (next.shadow != shadow && !platform::ReplaceFileContent(shadowFile, next.shadow)) {
    unwritable_(shadowFile);
    return;
  }
  if (next.day != bytes && !platform::ReplaceFileContent(file, next.day)) unwritable_(file);
}

bool SessionMemory::Exists(const std::string& file) const { return ReadAtStart(file) || platform::FileExists(file); }

const std::string* SessionMemory::ReadAtStart(const std::string& file) const {
  if (readSmall_.empty() || platform::MediumChangesCounted() != readAtChange_) return nullptr;
  const auto found = readSmall_.find(platform::UpperCase(file));
  return found == readSmall_.end() ? nullptr : &found->second;
}

void SessionMemory::Remember(const std::vector<std::string>& files, const std::string& barOriginal,
                             const std::vector<std::string>& settings) {
  readSmall_.clear();
  webUnchanged_ = false;
  // Without Total Commander's folder, no later start could convert by it.
  if (folder_.TCDir.empty()) return;
  HandedOver handed = Today();
  if (!barOriginal.empty()) handed.bar = folder_.Portable(barOriginal);
  handed.pending = unwritten_;
  for (const std::string& file : settings) handed.settings.push_back(folder_.Portable(file));
  // Where nothing was written since the files were read at the start, their lines are known.
  const bool unchanged = handed_ && platform::MediumChangesCounted() == readAtChange_;
  // Large lists and buffers are lent, not copied: fresh memory is slow to touch.
  std::string& read = platform::SharedReadBuffer();
  for (const std::string& file : files) {
    const std::string name = ExtractFileName(file);
    if (handed.files.contains(name)) continue;
    if (unchanged && read_.contains(name))
      handed.files[name].swap(read_.at(name));
    else if (platform::FileExists(file) && platform::ReadFileBytes(file, read))
      handed.files[name] = LineHashes(read);
    if (const auto stamp = platform::OrdinaryFileStamp(file); stamp && handed.files.contains(name))
      handed.stamps[name] = *stamp;
  }
  const std::string memory = folder_.File(kHandedOverFile);
  std::string& remembered = read;
  HandedOverBytes(handed, remembered);
  if (unchanged)
    for (auto& [name, lines] : handed.files)
      if (read_.contains(name)) read_.at(name).swap(lines);
  if (!unchanged) platform::ReadFileBytes(memory, remembered_);
  // Nothing changed, nothing written. A memory that cannot be written (a
  // write-protected stick) is not the user's concern: the next start then
  // goes by the one before, and converts only what it would have converted.
  // The memory is Ambler's own: a read-only mark (a folder restored from a
  // CD) would keep it stale for good.
  if (handed.files.empty() || remembered_ == remembered) return;
  if (platform::MakeWritable(memory) && platform::ReplaceFileContent(memory, remembered)) remembered_ = remembered;
}
