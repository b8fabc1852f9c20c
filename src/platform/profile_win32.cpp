#include "platform/profile.h"

#include <windows.h>

#include <new>
#include <vector>

#include "platform/files.h"

namespace platform {

std::string ReadIniKey(const std::string& section, const std::string& key, const std::string& file) {
  const std::string path = FullPathName(file);
  try {
    std::vector<char> buffer(1024);
    for (;;) {
      const DWORD size = static_cast<DWORD>(buffer.size());
      const DWORD length =
          GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), size, path.c_str());
      // A value that fills the buffer may have been cut: read again with more room.
      if (length + 1 < size) return std::string(buffer.data(), length);
      buffer.resize(buffer.size() * 4);
    }
  } catch (const std::bad_alloc&) {
    return {};
  }
}

bool WriteIniKey(const std::string& section, const std::string& key, const std::string& value,
                const std::string& file) {
  const std::string path = FullPathName(file);
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
  // A key that holds the value already leaves the file untouched.
  if (!value.empty() && ReadIniKey(section, key, path) == value) return true;
  // The profile functions write the whole file anew; on a stick that fills up
  // that would leave it cut short. So the key goes into a copy first, written
  // only where the disk has room for what the key adds, and the copy takes the
  // file's place in one step.
  const std::string copy = path + ".ambler-ini";
  DeleteFileA(copy.c_str());
  ULARGE_INTEGER free{};
  const std::string folder = path.substr(0, path.find_last_of("\\/") + 1);
  const ULONGLONG adds = section.size() + key.size() + value.size() + 64 + 4096;
  bool ok = CopyFileA(path.c_str(), copy.c_str(), FALSE) &&
            GetDiskFreeSpaceExA(folder.c_str(), &free, nullptr, nullptr) && free.QuadPart >= adds &&
            WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), copy.c_str()) &&
            MoveFileExA(copy.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileA(copy.c_str());
  return ok;
}

}  // namespace platform
