// Prints each visible top-level window's title and its focused control (class, left and top in client pixels,
// text or a list box's rows), tab-separated, one window a line, in UTF-8. A key goes to the control focused
// when it arrives, so the window tests type only once focus is there.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win32_common.h"

namespace {

// WM_GETTEXT is carried across processes, unlike GetWindowText for controls.
std::wstring TextOf(HWND window) {
  wchar_t buffer[1024] = {};
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                           &ignored))
    return {};
  return buffer;
}

std::wstring RowsOf(HWND list) {
  DWORD_PTR count = 0, selected = 0;
  if (!SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &count) ||
      !SendMessageTimeoutW(list, LB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 2000, &selected))
    return {};
  std::wstring rows;
  for (DWORD_PTR row = 0; row < count; ++row) {
    wchar_t buffer[1024] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, &ignored);
    rows += (row ? L"|" : L"") + std::wstring(row == selected ? L">" : L"") + buffer;
  }
  return rows;
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  std::printf("%s", platform::ToUtf8(TextOf(window)).c_str());
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  HWND focus = nullptr;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) focus = info.hwndFocus;
  if (focus && GetAncestor(focus, GA_ROOT) == window) {
    wchar_t cls[256] = {};
    GetClassNameW(focus, cls, 256);
    RECT rect = {};
    GetWindowRect(focus, &rect);
    POINT topLeft{rect.left, rect.top};
    ScreenToClient(window, &topLeft);
    const std::wstring text = lstrcmpiW(cls, L"ListBox") == 0 ? RowsOf(focus) : TextOf(focus);
    std::printf("\t%s\t%ld\t%ld\t%s", platform::ToUtf8(cls).c_str(), topLeft.x, topLeft.y, platform::ToUtf8(text).c_str());
  }
  std::printf("\n");
  return TRUE;
}

}  // namespace

int main() {
  EnumWindows(PrintWindow, 0);
  return 0;
}
