#include "platform/profile.h"

#include <windows.h>

#include <new>
#include <vector>

#include "platform/file_system.h"
#include "platform/win32_common.h"

namespace platform {

std::string ReadIniKey(const std::string& section, const std::string& key, const std::string& file) {
  const std::string path = FullPathName(file);
  try {
    const std::wstring wideSection = ToWide(section), wideKey = ToWide(key), widePath = ToWide(path);
    std::vector<wchar_t> buffer(1024);
    for (;;) {
      const DWORD size = static_cast<DWORD>(buffer.size());
      const DWORD length = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), L"", buffer.data(), size,
                                                    widePath.c_str());
      // A value that fills the buffer may have been cut: read again with more room.
      if (length + 1 < size) return ToUtf8(std::wstring_view(buffer.data(), length));
      buffer.resize(buffer.size() * 4);
    }
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace platform
