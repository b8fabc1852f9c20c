#pragma once
// The Win32 calls that change a medium, each counted by the seam of
// platform/medium_changes.h. Once the stick counts as pulled they fail with
// ERROR_NOT_READY and change nothing.

#include <windows.h>

#include <string>
#include <string_view>

namespace platform {

// CreateFileW for writing, with these arguments; INVALID_HANDLE_VALUE on failure.
HANDLE CreateFileForWriting(const std::wstring& name, DWORD access, DWORD share, DWORD disposition);
// Writes every byte, in blocks; false when any failed.
bool WriteAll(HANDLE file, std::string_view bytes);
bool FlushToMedium(HANDLE file);
bool DeleteFromMedium(const std::wstring& name);
bool SetAttributesOnMedium(const std::wstring& name, DWORD attributes);
// Renames a file, over an existing one only with replace. FAT and exFAT
// replace in two steps, the target removed first, and a stick pulled between
// them leaves the target gone and the file under its old name.
bool RenameOnMedium(const std::wstring& from, const std::wstring& to, bool replace);

}  // namespace platform
