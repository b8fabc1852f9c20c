#pragma once
// What Total Commander writes during a session, made portable at the next
// start. At each launch the values of every portable file's lines (what
// follows "=", whatever the key) are remembered as Ambler hands the file over,
// as hashes in a file of Ambler's own. A line whose value is not among them
// was written in the session, with the folder and the drive the medium had
// then, and is made portable with those; a line whose value is among them
// stays as it is, even where it holds that drive's letter: the letter may have
// been a disk of the host in an earlier session, and Total Commander renumbers
// and moves lines.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "support/ini_keys.h"

// Lines a start could not make portable (the stick was full), with the
// folder and drive they were written with: a later start converts them so.
struct PendingLines {
  std::string dir, drive;
  std::vector<std::uint64_t> hashes;  // sorted
  bool operator==(const PendingLines&) const = default;
};

// What a launch handed over to Total Commander.
struct HandedOver {
  std::string dir;    // Total Commander's folder, without its separator
  std::string drive;  // its drive where that is the medium's: empty on a share or on Windows' own drive
  std::map<std::string, std::vector<std::uint64_t>> files;  // each portable file's name, its lines' sorted hashes
  // The main bar the portable bar was made from, as a portable value (it
  // holds no letter); empty where there is none.
  std::string bar = {};
  // By a file's name, its lines still waiting to be made portable.
  std::map<std::string, std::vector<PendingLines>> pending = {};
  // By a file's name, its size and last write time as it was remembered.
  std::map<std::string, platform::FileStamp> stamps = {};
  // The plugins' own settings files, as portable values.
  std::vector<std::string> settings = {};
  bool operator==(const HandedOver&) const = default;
};

// The sorted hashes of the values of a file's lines (a line without "=" whole),
// split where the profile functions split them.
std::vector<std::uint64_t> LineHashes(std::string_view bytes);

// A line written in the session made portable: the folder, where it is a
// whole path or a path's beginning, becomes %COMMANDER_PATH%; then the drive,
// where a path begins with it, %COMMANDER_DRIVE%. "h:mm:ss", "/X:" and
// "TYPE:1" keep their letters.
// An empty folder or drive is not looked for.
std::string SessionLinePortable(const std::string& text, const std::string& dir, const std::string& drive);
// The same for a line's bytes in its file's form, into bytes; every byte that
// decodes to no character stays. False where nothing changes (or the text no
// longer fits the form).
bool SessionLineBytesPortable(std::string_view line, platform::TextEncoding encoding, const std::string& dir,
                              const std::string& drive, std::string& bytes);

// A file's lines whose hash is not among the handed ones (every line where
// there are none) made portable with the folder's letters, those of a
// pending group with the group's, the new version handed over in pieces, so
// that a large file is never held twice. Every other byte stays, and so do
// comments and what Total Commander keeps of searches, selections and renames
// (texts and patterns, not paths). 
class SessionConversion {
 public:
  // The file's bytes in memory, or the file read from the medium block by
  // block. bytes, handed, folder and pending must outlive the conversion.
  SessionConversion(std::string_view bytes, const std::vector<std::uint64_t>* handed, const HandedOver& folder,
                    const std::vector<PendingLines>* pending = nullptr);
  SessionConversion(IniLineReader::FromFile, std::string file, const std::vector<std::uint64_t>* handed,
                    const HandedOver& folder, const std::vector<PendingLines>* pending = nullptr);
  // Reads up to the first line that changes; false where none does.
  bool FindChange();
  // After FindChange: reads the file again from its start and hands the new
  // version to write, piece by piece; stops writing where write returns
  // false (the lines are still counted). A file read from the medium is
  // closed when this returns, so that it can be replaced.
  bool WriteTo(const std::function<bool(std::string_view)>& write);
  // The sorted hashes of the file's lines as LineHashes gives them: of the new
  // version where it was written, else of the file as it was. Reads what is
  // left of the file.
  std::vector<std::uint64_t> Lines(bool written);
  // After WriteTo: the lines that changed, as they were, by the letters they
  // were made portable with; they still wait where the new version was not
  // written.
  std::vector<PendingLines> Unwritten() const;
  // The file could not be read to its end: its lines are not all known.
  bool Failed() const { return failed_ || (reader_ && reader_->Failed()); }

 private:
  // A reader from the file's start, nothing counted yet.
  void Restart();
  // The next line, made portable where it is not among the handed ones: its
  // text in encoded_ where it changes. False at the end.
  bool Next(bool& changed);
  bool Handed(std::uint64_t hash);
  // The pending group that holds the hash, or none.
  const PendingLines* Waiting(std::uint64_t hash) const;
  // Whether the line holds a text that is not a path; follows the sections.
  bool HoldsText(std::string_view line);

  std::string_view bytes_;
  std::string file_;  // empty where the bytes are in memory
  const std::vector<std::uint64_t>* handed_;
  const HandedOver& folder_;
  const std::vector<PendingLines>* pending_;
  std::optional<IniLineReader> reader_;
  IniLineSpan span_;
  enum class Section { Paths, Texts, Searches } section_ = Section::Paths;
  std::string encoded_;
  std::vector<char> found_;  // each handed hash that a line of the file still has
  std::vector<std::uint64_t> before_, after_;  // the other lines' hashes, as they were and as they are made
  std::vector<std::pair<const PendingLines*, std::uint64_t>> converted_;  // a changed line's group (none: the folder's)
  bool failed_ = false;
};
