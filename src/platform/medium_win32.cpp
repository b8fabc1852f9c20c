#include <algorithm>
#include <atomic>

#include "platform/medium_changes.h"
#include "platform/medium_win32.h"

namespace platform {
namespace {

std::atomic<std::size_t> counted{0};
std::atomic<std::size_t> pullAt{0};

// MayChangeMedium, with the error a pulled stick gives.
bool Allowed() {
  if (MayChangeMedium()) return true;
  SetLastError(ERROR_NOT_READY);
  return false;
}

}  // namespace

bool MayChangeMedium() {
  const std::size_t number = ++counted;
  const std::size_t pull = pullAt.load();
  return pull == 0 || number < pull;
}

void PullMediumAtChange(std::size_t k) {
  pullAt = k;
  counted = 0;
}

std::size_t MediumChangesCounted() { return counted.load(); }

HANDLE CreateFileForWriting(const std::wstring& name, DWORD access, DWORD share, DWORD disposition) {
  if (!Allowed()) return INVALID_HANDLE_VALUE;
  return CreateFileW(name.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    if (!Allowed() || !WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

bool FlushToMedium(HANDLE file) { return Allowed() && FlushFileBuffers(file); }

bool DeleteFromMedium(const std::wstring& name) { return Allowed() && DeleteFileW(name.c_str()); }

bool SetAttributesOnMedium(const std::wstring& name, DWORD attributes) {
  return Allowed() && SetFileAttributesW(name.c_str(), attributes);
}

bool RenameOnMedium(const std::wstring& from, const std::wstring& to, bool replace) {
  const bool targetThere = GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES;
  if (!Allowed()) return false;
  if (replace && targetThere && !Allowed()) {
    DeleteFileW(to.c_str());  // the first of the two steps happened
    SetLastError(ERROR_NOT_READY);
    return false;
  }
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0));
}

}  // namespace platform
