#include <windows.h>

#include "platform/text.h"
#include "platform/upper_table.h"
#include "platform/win32_common.h"

namespace platform {

// The invariant mapping, as the file system compares names; a mapping that
// does not keep one unit per unit (it never should) is not taken.
std::vector<char16_t> BuildUpperTable() {
  std::vector<char16_t> table(0x10000);
  std::vector<wchar_t> units(0x10000), upper(0x10000);
  for (std::size_t i = 0; i < table.size(); ++i) {
    table[i] = static_cast<char16_t>(i);
    // Surrogates and NUL are no characters of their own: they stay as they are.
    units[i] = (i == 0 || (i >= 0xD800 && i <= 0xDFFF)) ? L' ' : static_cast<wchar_t>(i);
  }
  const int size = static_cast<int>(units.size());
  if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, units.data(), size, upper.data(), size, nullptr, nullptr,
                    0) != size)
    return table;
  for (std::size_t i = 1; i < table.size(); ++i)
    if (i < 0xD800 || i > 0xDFFF) table[i] = static_cast<char16_t>(upper[i]);
  return table;
}

namespace {

// A machine set to use UTF-8 for ANSI has no code page of its own to convert.
bool AnsiIsUtf8() { return GetACP() == CP_UTF8; }

bool ToWideExactly(UINT codePage, std::string_view text, std::wstring& wide) {
  wide.clear();
  if (text.empty()) return true;
  const int size =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (size <= 0) return false;
  wide.resize(static_cast<std::size_t>(size));
  return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), wide.data(),
                             size) == size;
}

bool FromWideExactly(std::wstring_view wide, std::string& ansi) {
  ansi.clear();
  if (wide.empty()) return true;
  BOOL usedDefault = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, &usedDefault);
  if (size <= 0 || usedDefault) return false;
  ansi.resize(static_cast<std::size_t>(size));
  return WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), ansi.data(),
                             size, nullptr, &usedDefault) == size &&
         !usedDefault;
}

}  // namespace

unsigned AnsiCodePage() { return GetACP(); }

bool AnsiToUtf8(std::string_view ansi, std::string& utf8) {
  if (AnsiIsUtf8()) {
    utf8.assign(ansi);
    return IsUtf8(ansi);
  }
  std::wstring wide;
  std::string back;
  // Some bytes decode to a character that encodes to other bytes (a code
  // page's duplicates): those would not come back as they were.
  if (!ToWideExactly(CP_ACP, ansi, wide) || !FromWideExactly(wide, back) || back != ansi) return false;
  utf8 = ToUtf8(wide);
  return true;
}

bool Utf8ToAnsi(std::string_view utf8, std::string& ansi) {
  if (AnsiIsUtf8()) {
    ansi.assign(utf8);
    return IsUtf8(utf8);
  }
  std::wstring wide;
  return ToWideExactly(CP_UTF8, utf8, wide) && FromWideExactly(wide, ansi);
}

}  // namespace platform
