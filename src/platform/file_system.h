#pragma once
// Names in the file system: existence, deletion, the current drive and directory.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// True when a search for exactly this name finds an ordinary file. Hidden and
// system files, directories and names holding "*" or "?" count as missing.
bool FileExists(const std::string& name);
// The size of a file that FileExists finds; none where it finds none.
std::optional<std::uint64_t> OrdinaryFileSize(const std::string& name);
// Its size and last write time together, which a write changes.
struct FileStamp {
  std::uint64_t size = 0, ticks = 0;
  bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> OrdinaryFileStamp(const std::string& name);

// True when the name is a file, hidden, system and read-only ones included.
bool FileExistsHiddenToo(const std::string& name);

// The name of the first ordinary file that a directory lookup of the pattern
// finds; a pattern ending in a separator looks into that directory.
std::optional<std::string> FirstOrdinaryFile(const std::string& pattern);
inline bool LookupFindsOrdinaryFile(const std::string& pattern) { return FirstOrdinaryFile(pattern).has_value(); }

// True when the attributes of the path can be read and mark a directory.
bool HasDirectoryAttribute(const std::string& path);

bool RemoveFile(const std::string& name);

// Takes the read-only mark off a file, keeping its other marks, for a file of
// the program's own that is to be replaced; true where the file has no such
// mark now, or is missing.
bool MakeWritable(const std::string& name);

// Puts a new version of the file in its place: fill writes it beside the
// file, under the name it is given (besideName, or the file's name and
// ".ambler-part"), which is flushed to the medium, renamed to the file's name
// and ".ambler-done" (complete from then on), and moved over the file. False
// when fill or a step failed (a full or pulled stick): the file is as it was,
// or, where a pulled stick stopped the move half way, its complete new
// version lies beside it for FinishInterruptedReplacements. An existing file
// is replaced only with replaceExisting, and never when it is read-only.
bool ReplaceThroughFileBeside(const std::string& target, const std::function<bool(const std::string&)>& fill,
                              const std::string& besideName = {}, bool replaceExisting = true);

// What a pulled stick left of replacements of the directory's files whose
// names begin with the prefix: a complete new version takes its file's place,
// and what was still being written (names ending ".ambler-part", or one of the
// scratch suffixes beside the file, not folder, they were written for) is
// removed. Every other file is left alone.
void FinishInterruptedReplacements(const std::string& directory, const std::string& namePrefix,
                                   const std::vector<std::string>& scratchSuffixes);

// The same for one file wherever it lies, at the cost of a look at one name:
// what was still being written is left to the next replacement.
void FinishInterruptedReplacement(const std::string& file);

// Copies, and moves, a file from one name to another. An existing target is
// replaced only when every byte of the copy has been written: a copy that
// fails leaves it as it was.
bool CopyFileSafely(const std::string& from, const std::string& to, bool replaceExisting);

// Moves a file to a new name (on another drive too); fails when the new name
// is taken.
bool MoveFileTo(const std::string& from, const std::string& to);

// Moves a file over an existing one: in one step on the same drive, else
// through a safe copy; the target stays as it was when the move fails.
bool MoveFileReplacing(const std::string& from, const std::string& to);

// A file's creation date and time, in local time.
struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
std::optional<DateTime> CreationTime(const std::string& name);

// When the file was last written, in ticks that only compare with each other.
std::optional<std::uint64_t> LastWriteTicks(const std::string& name);

// Gives the file the bytes as its new content, through a file beside it.
bool ReplaceFileContent(const std::string& name, const std::string& bytes);
// The same with the content handed over piece by piece: produce calls write
// with each piece, and stops writing where write returns false. A large new
// version is then never held whole in memory.
using PieceWriter = std::function<bool(std::string_view)>;
bool ReplaceFileContentInPieces(const std::string& name, const std::function<bool(const PieceWriter& write)>& produce);

// Creates an empty file; an existing one, hidden or not, is left alone.
bool CreateNewFile(const std::string& name);

// The current directory of the current drive.
std::string CurrentDirectory();
bool ChangeDirectory(const std::string& directory);
bool ChangeDrive(char letter);

// The name made absolute against the current directory and drive.
std::string FullPathName(const std::string& name);

}  // namespace platform

namespace platform {

// The immediate subdirectories of a directory, as full paths, in the order
// the file system gives them.
std::vector<std::string> ListSubdirectories(const std::string& directory);

// The names of the plain files in a directory that match the pattern: no
// directories, no hidden or system files.
std::vector<std::string> ListFiles(const std::string& directory, const std::string& pattern);

// True for an entry that leads elsewhere, perhaps back up the tree: a mount
// point (junction) or a symbolic link. Other reparse points, such as
// cloud-synced folders, hold their own content.
bool LeadsElsewhere(unsigned long attributes, unsigned long reparseTag);

// One pass over a directory: the names of its subdirectories (those that lead
// elsewhere left out) and of its plain files
// (no hidden or system files), each in the order the file system gives them.
struct DirectoryEntries {
  std::vector<std::string> directories;
  std::vector<std::string> files;
};
DirectoryEntries ListDirectory(const std::string& directory);

// Every entry a directory lookup of the pattern finds, with its attribute
// bits, in the order the file system gives them.
struct FoundEntry {
  std::string name;
  unsigned long attributes = 0;
};
std::vector<FoundEntry> FindEntries(const std::string& pattern);

// The short (8.3) and the long form of an existing path, whole; empty text
// when the path cannot be converted.
std::string ShortPathName(const std::string& path);
std::string LongPathName(const std::string& path);

// The drives of the system, as "c:".
std::vector<std::string> ListDrives();

}  // namespace platform
