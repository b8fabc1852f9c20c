#include "platform/file_system.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/medium_changes.h"
#include "platform/medium_win32.h"
#include "platform/path.h"
#include "platform/scoped_win32.h"
#include "platform/text.h"
#include "platform/win32_common.h"

namespace platform {
namespace {

bool IsOrdinary(DWORD attributes) {
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

// What lies beside a file while its new version is written, and once that
// version is complete and flushed, until it takes the file's place.
constexpr std::string_view kPartSuffix = ".ambler-part";
constexpr std::string_view kCompleteSuffix = ".ambler-done";

bool NameTaken(const std::string& name) { return GetFileAttributesW(ToWide(name).c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveIfThere(const std::string& name) {
  if (NameTaken(name)) DeleteFromMedium(ToWide(name));
}

// Pushes what the file system still holds of the file to the medium: a
// removable stick may otherwise get a replacement before its content.
bool Flush(const std::string& name) {
  ScopedFile file(CreateFileW(ToWide(name).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  return file && FlushToMedium(file.Get()) && file.Reset();
}

// Creates (or empties) the file and writes the bytes; false when any failed.
bool WriteNewFile(const std::string& name, std::string_view bytes) {
  ScopedFile file(CreateFileForWriting(ToWide(name), GENERIC_WRITE, 0, CREATE_ALWAYS));
  const bool ok = file && WriteAll(file.Get(), bytes);
  return file.Reset() && ok;
}

// Copies the bytes, not the attributes: a copy of a read-only or hidden file
// is an ordinary file that later writes can change.
bool CopyBytes(const std::string& from, const std::string& to) {
  const ScopedFile source(CreateFileW(ToWide(from).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!source) return false;
  ScopedFile target(CreateFileForWriting(ToWide(to), GENERIC_WRITE, 0, CREATE_ALWAYS));
  bool ok = static_cast<bool>(target);
  std::vector<char> block(1 << 16);
  for (DWORD read = 0; ok;) {
    ok = ReadFile(source.Get(), block.data(), static_cast<DWORD>(block.size()), &read, nullptr) != 0;
    if (!ok || read == 0) break;
    ok = WriteAll(target.Get(), std::string_view(block.data(), read));
  }
  return target.Reset() && ok;
}

}  // namespace

bool FileExists(const std::string& name) { return OrdinaryFileSize(name).has_value(); }

std::optional<std::uint64_t> OrdinaryFileSize(const std::string& name) {
  const std::optional<FileStamp> stamp = OrdinaryFileStamp(name);
  return stamp ? std::optional<std::uint64_t>(stamp->size) : std::nullopt;
}

std::optional<FileStamp> OrdinaryFileStamp(const std::string& name) {
  if (name.empty() || name.find_first_of("*?") != std::string::npos) return std::nullopt;
  if (EndsWithSeparator(name)) return std::nullopt;
  // Not FindFirstFileW: under Wine it opens and reads the directory, a
  // hundred times the cost of asking for the attributes.
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(ToWide(name).c_str(), GetFileExInfoStandard, &data) || !IsOrdinary(data.dwFileAttributes))
    return std::nullopt;
  return FileStamp{static_cast<std::uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow,
                   (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime};
}

bool FileExistsHiddenToo(const std::string& name) {
  if (name.empty() || name.find_first_of("*?") != std::string::npos) return false;
  const DWORD attributes = GetFileAttributesW(ToWide(name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> FirstOrdinaryFile(const std::string& pattern) {
  if (pattern.empty()) return std::nullopt;
  const std::string search = EndsWithSeparator(pattern) ? pattern + "*" : pattern;
  WIN32_FIND_DATAW data;
  const ScopedFind find(FindFirstFileW(ToWide(search).c_str(), &data));
  if (!find) return std::nullopt;
  do {
    if (IsOrdinary(data.dwFileAttributes)) return ToUtf8(data.cFileName);
  } while (FindNextFileW(find.Get(), &data));
  return std::nullopt;
}

bool HasDirectoryAttribute(const std::string& path) {
  if (path.empty() || path.find_first_of("*?") != std::string::npos) return false;
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool RemoveFile(const std::string& name) { return !name.empty() && DeleteFromMedium(ToWide(name)); }

bool MakeWritable(const std::string& name) {
  const std::wstring wide = ToWide(name);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return true;
  const DWORD kept = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
  return SetAttributesOnMedium(wide, kept ? kept : FILE_ATTRIBUTE_NORMAL);
}

bool CopyFileSafely(const std::string& from, const std::string& to, bool replaceExisting) {
  if (from.empty() || to.empty()) return false;
  return ReplaceThroughFileBeside(
      to, [&](const std::string& beside) { return CopyBytes(from, beside); }, {}, replaceExisting);
}

bool MoveFileTo(const std::string& from, const std::string& to) {
  return !from.empty() && !to.empty() && MayChangeMedium() &&
         MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) != 0;
}

std::optional<DateTime> CreationTime(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  FILETIME local;
  SYSTEMTIME time;
  if (name.empty() || !GetFileAttributesExW(ToWide(name).c_str(), GetFileExInfoStandard, &data) ||
      !FileTimeToLocalFileTime(&data.ftCreationTime, &local) || !FileTimeToSystemTime(&local, &time))
    return std::nullopt;
  return DateTime{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

std::optional<std::uint64_t> LastWriteTicks(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (name.empty() || !GetFileAttributesExW(ToWide(name).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
}

bool ReplaceThroughFileBeside(const std::string& target, const std::function<bool(const std::string&)>& fill,
                              const std::string& besideName, bool replaceExisting) {
  if (target.empty()) return false;
  // Windows refuses to replace a read-only file (Wine does not): it is frozen.
  const DWORD attributes = GetFileAttributesW(ToWide(target).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (!replaceExisting || (attributes & FILE_ATTRIBUTE_READONLY)))
    return false;
  const std::string part = besideName.empty() ? target + std::string(kPartSuffix) : besideName;
  const std::string complete = target + std::string(kCompleteSuffix);
  RemoveIfThere(part);
  RemoveIfThere(complete);
  // A file the user hid stays hidden: the new version takes its marks before it is complete.
  const DWORD kept =
      attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  if (fill(part) && (!kept || SetAttributesOnMedium(ToWide(part), kept)) && Flush(part) &&
      RenameOnMedium(ToWide(part), ToWide(complete), false) &&
      RenameOnMedium(ToWide(complete), ToWide(target), replaceExisting))
    return true;
  RemoveIfThere(part);
  // A complete copy whose target is gone is the file now: it is never removed.
  if (NameTaken(target)) RemoveIfThere(complete);
  return false;
}

void FinishInterruptedReplacement(const std::string& file) {
  const std::string complete = file + std::string(kCompleteSuffix);
  if (NameTaken(complete) && !HasDirectoryAttribute(file)) RenameOnMedium(ToWide(complete), ToWide(file), true);
  RemoveIfThere(file + std::string(kPartSuffix));
}

void FinishInterruptedReplacements(const std::string& directory, const std::string& namePrefix,
                                   const std::vector<std::string>& scratchSuffixes) {
  if (directory.empty()) return;
  const std::string base = WithSeparator(directory);
  auto isFile = [](const std::string& name) {
    const DWORD attributes = GetFileAttributesW(ToWide(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  };
  // Only the program's own files: a user's file that merely ends alike is no
  // scratch file. The folder is listed once: each listing costs a trip
  // through Wine.
  std::vector<std::string> names;
  for (const FoundEntry& entry : FindEntries(base + namePrefix + "*"))
    if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY) &&
        UpperCase(entry.name.substr(0, namePrefix.size())) == UpperCase(namePrefix))
      names.push_back(entry.name);
  // Each name that ends so, with the file it was written for.
  auto ownFilesEnding = [&](std::string_view suffix) {
    std::vector<std::pair<std::string, std::string>> found;
    for (const std::string& name : names)
      if (name.size() > namePrefix.size() + suffix.size() && name.ends_with(suffix))
        found.emplace_back(base + name, base + name.substr(0, name.size() - suffix.size()));
    return found;
  };
  // Complete versions first: one of them may be a scratch file's.
  for (const auto& [name, target] : ownFilesEnding(kCompleteSuffix))
    if (!HasDirectoryAttribute(target) && RenameOnMedium(ToWide(name), ToWide(target), true))
      names.push_back(target.substr(base.size()));
  for (const auto& [name, target] : ownFilesEnding(kPartSuffix)) RemoveFile(name);
  // A scratch file lies beside the file it was written for.
  for (const std::string& suffix : scratchSuffixes)
    for (const auto& [name, target] : ownFilesEnding(suffix))
      if (isFile(target)) RemoveFile(name);
}

bool ReplaceFileContent(const std::string& name, const std::string& bytes) {
  return ReplaceThroughFileBeside(name, [&](const std::string& beside) { return WriteNewFile(beside, bytes); });
}

bool ReplaceFileContentInPieces(const std::string& name, const std::function<bool(const PieceWriter& write)>& produce) {
  return ReplaceThroughFileBeside(name, [&](const std::string& beside) {
    ScopedFile file(CreateFileForWriting(ToWide(beside), GENERIC_WRITE, 0, CREATE_ALWAYS));
    // Small pieces are gathered into blocks: each write is a call into the system.
    thread_local std::string block;
    constexpr std::size_t kBlock = 1 << 20;
    block.clear();
    bool ok = true;  // every write so far
    const PieceWriter write = [&](std::string_view piece) {
      if (ok && block.size() + piece.size() > kBlock) {
        ok = WriteAll(file.Get(), block);
        block.clear();
      }
      if (ok && piece.size() >= kBlock)
        ok = WriteAll(file.Get(), piece);
      else if (ok)
        block.append(piece);
      return ok;
    };
    const bool produced = file && produce(write);
    ok = produced && ok && WriteAll(file.Get(), block);
    return file.Reset() && ok;
  });
}

bool CreateNewFile(const std::string& name) {
  if (name.empty()) return false;
  const ScopedFile file(CreateFileForWriting(ToWide(name), GENERIC_WRITE, FILE_SHARE_READ, CREATE_NEW));
  return static_cast<bool>(file);
}

std::string CurrentDirectory() {
  return GrowingText([](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
}

bool ChangeDirectory(const std::string& directory) {
  return !directory.empty() && SetCurrentDirectoryW(ToWide(directory).c_str()) != 0;
}

bool ChangeDrive(char letter) {
  // "X:" is the directory last current on that drive, or its root.
  const wchar_t drive[3] = {static_cast<wchar_t>(static_cast<unsigned char>(letter)), L':', L'\0'};
  return SetCurrentDirectoryW(drive) != 0;
}

std::string FullPathName(const std::string& name) {
  if (name.empty()) return {};
  const std::wstring wide = ToWide(name);
  const std::string full =
      GrowingText([&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(wide.c_str(), size, buffer, nullptr); });
  return full.empty() ? name : full;
}

}  // namespace platform

namespace platform {
namespace {

template <typename Visit>
void ForEachEntry(const std::string& pattern, Visit&& visit) {
  WIN32_FIND_DATAW data;
  const ScopedFind find(FindFirstFileW(ToWide(pattern).c_str(), &data));
  if (!find) return;
  do {
    visit(data);
  } while (FindNextFileW(find.Get(), &data));
}

}  // namespace

std::vector<std::string> ListSubdirectories(const std::string& directory) {
  std::vector<std::string> result;
  if (directory.empty()) return result;
  const std::string base = WithSeparator(directory);
  ForEachEntry(base + "*", [&](const WIN32_FIND_DATAW& data) {
    const std::string name = ToUtf8(data.cFileName);
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
      result.push_back(base + name);
  });
  return result;
}

std::vector<std::string> ListFiles(const std::string& directory, const std::string& pattern) {
  std::vector<std::string> result;
  if (directory.empty()) return result;
  ForEachEntry(WithSeparator(directory) + (pattern.empty() ? "*.*" : pattern), [&](const WIN32_FIND_DATAW& data) {
    if (IsOrdinary(data.dwFileAttributes)) result.push_back(ToUtf8(data.cFileName));
  });
  return result;
}

DirectoryEntries ListDirectory(const std::string& directory) {
  DirectoryEntries entries;
  if (directory.empty()) return entries;
  ForEachEntry(WithSeparator(directory) + "*", [&](const WIN32_FIND_DATAW& data) {
    const std::string name = ToUtf8(data.cFileName);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (name != "." && name != ".." && !LeadsElsewhere(data.dwFileAttributes, data.dwReserved0))
        entries.directories.push_back(name);
    } else if (IsOrdinary(data.dwFileAttributes)) {
      entries.files.push_back(name);
    }
  });
  return entries;
}

std::vector<FoundEntry> FindEntries(const std::string& pattern) {
  std::vector<FoundEntry> entries;
  if (pattern.empty()) return entries;
  ForEachEntry(pattern, [&](const WIN32_FIND_DATAW& data) {
    entries.push_back({ToUtf8(data.cFileName), data.dwFileAttributes});
  });
  return entries;
}

bool LeadsElsewhere(unsigned long attributes, unsigned long reparseTag) {
  if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return false;
  // Wine leaves the tag unset; a tag of no Microsoft kind counts as a link.
  const bool microsoftTag = (reparseTag & 0x80000000UL) != 0;
  return !microsoftTag || reparseTag == IO_REPARSE_TAG_MOUNT_POINT || reparseTag == IO_REPARSE_TAG_SYMLINK;
}

bool MoveFileReplacing(const std::string& from, const std::string& to) {
  if (from.empty() || to.empty()) return false;
  if (RenameOnMedium(ToWide(from), ToWide(to), true)) return true;
  if (GetLastError() != ERROR_NOT_SAME_DEVICE) return false;
  return CopyFileSafely(from, to, true) && RemoveFile(from);
}

namespace {

template <typename Convert>
std::string ConvertPath(const std::string& path, Convert convert) {
  if (path.empty()) return {};
  const std::wstring wide = ToWide(path);
  return GrowingText([&](wchar_t* buffer, DWORD size) { return convert(wide.c_str(), buffer, size); });
}

}  // namespace

std::string ShortPathName(const std::string& path) { return ConvertPath(path, GetShortPathNameW); }

std::string LongPathName(const std::string& path) { return ConvertPath(path, GetLongPathNameW); }

std::vector<std::string> ListDrives() {
  std::vector<std::string> result;
  // Asked letter by letter: the drive mask can lag behind a drive just mapped.
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const wchar_t root[4] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
    if (GetDriveTypeW(root) != DRIVE_NO_ROOT_DIR) result.push_back(std::string(1, letter) + ":");
  }
  return result;
}

}  // namespace platform
