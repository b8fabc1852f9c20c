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
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
}

}  // namespace platform
