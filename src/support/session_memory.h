#pragma once
// Ambler's memory of what it handed over to Total Commander at the last
// launch, in a file of its own beside the portable files, and what follows
// from it at the next start: the lines the session wrote made portable with
// that launch's folder and drive (see session_lines.h).
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/session_lines.h"
#include "support/total_commander_folder.h"

// The memory, in Total Commander's folder; Total Commander never reads it.
inline constexpr std::string_view kHandedOverFile = "TC_portable_handed-over.ambler";

// The memory's bytes, into bytes (a buffer the caller may keep from use to
// use), and the memory read back from them (nothing from bytes that are not a
// whole memory).
void HandedOverBytes(const HandedOver& handed, std::string& bytes);
std::optional<HandedOver> ReadHandedOver(std::string_view bytes);

class SessionMemory {
 public:
  // unwritable hears of each portable file that could not take a change.
  explicit SessionMemory(std::function<void(const std::string& file)> unwritable);

  // Once per run, before the first write: what a stick pulled during an
  // earlier run left of a replacement finished, the memory read, and what the
  // last session wrote made portable; without a memory, every line of the
  // portable files with today's folder and drive. With keepReads the small
  // files read stay known to ReadAtStart until the next write. True the
  // first time.
  bool Begin(const TotalCommanderFolder& folder, bool keepReads);
  // The main bar the portable bar was made from, as remembered; else empty.
  std::string BarOriginal() const;
  // Since the memory was written, no remembered file was written (its size
  // and last write time are as remembered) and no line waits: the web is as
  // it was, and there is nothing to convert or follow. Its copies and the
  // plugins' settings files are then as remembered.
  bool WebUnchanged() const;
  std::vector<std::string> RememberedWeb() const;
  std::vector<std::string> RememberedSettings() const;
  // A file that joins the web at this start (copy, made now from source or
  // kept from before): what the last session wrote into it holds that
  // launch's letter, what is older today's.
  void MakeNewcomerPortable(const std::string& copy, const std::string& source, bool made);
  // A file of the user's own that Total Commander reads where it is, made
  // portable in place where it is not remembered yet: as a newcomer, or at a
  // first start with today's folder and drive. Before the first change of
  // such a file its bytes are kept, once, as TC_portable_<name>.original.
  void TakeInUserFile(const std::string& file);
  // A plugin's own settings kept on today's drive letter, through its shadow
  // TC_portable_<copy name>.shadow (see plugin_settings.h): the paths that
  // were the stick's when written take today's letter. Nothing without a
  // drive (a share); a hidden or system file is the user's own.
  void KeepPluginSettingsOnToday(const std::string& file);
  // A small file as the start read it, where nothing was written since; else none.
  const std::string* ReadAtStart(const std::string& file) const;
  // FileExists, answered by the start's reading where it can.
  bool Exists(const std::string& file) const;
  // The files as they are handed over now remembered, with the bar the
  // portable bar was made from and the plugins' settings files, where that
  // differs from what is remembered. The start's reads are forgotten: the
  // user may change the files later.
  void Remember(const std::vector<std::string>& files, const std::string& barOriginal,
                const std::vector<std::string>& settings);

 private:
  // One file's lines that are not among those handed over (all of them where
  // there are none) made portable with letters (the last launch's where none
  // are given). True where the file was read; its lines' hashes then into
  // lines, where given.
  bool Convert(const std::string& file, const std::vector<std::uint64_t>* handedLines,
               std::vector<std::uint64_t>* lines = nullptr, const HandedOver* letters = nullptr);
  // This start's folder and drive, as the memory keeps them.
  HandedOver Today() const;
  // See WebUnchanged.
  bool NothingWrittenSinceRemembered() const;

  std::function<void(const std::string&)> unwritable_;
  TotalCommanderFolder folder_;
  bool begun_ = false;
  // What the last launch handed over; nothing before the first launch that remembered.
  std::optional<HandedOver> handed_;
  // The memory's bytes as read or last written, and when it was written.
  std::string remembered_;
  std::optional<std::uint64_t> rememberedAt_;
  // The lines of each remembered file as the start read them, the lines that
  // could not be converted, and the count of the medium's changes then.
  std::map<std::string, std::vector<std::uint64_t>> read_;
  std::map<std::string, std::vector<PendingLines>> unwritten_;
  std::size_t readAtChange_ = 0;
  // The small files the start read (by their upper-cased names), for the web
  // walk while nothing is written: each look at a file costs a trip through Wine.
  std::map<std::string, std::string> readSmall_;
  bool keepReads_ = false;
  bool webUnchanged_ = false;
};
