// Every window at 144 dpi: each caption fits its control; a picture of each is kept. It looks at the native
// controls, so, like the focus probe, it talks to Windows directly.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/medium.h"
#include "files_dialog/files.h"
#include "launcher/form1.h"
#include "platform/scoped_win32.h"
#include "platform/win32_common.h"
#include "plugins/plugin_search.h"
#include "win32_ui/win32_ui.h"

namespace {

// Wrapped at that width, as the program's labels and buttons wrap their captions.
SIZE TextSize(HWND control, const std::wstring& text, int width) {
  platform::WindowDC dc(control);
  dc.Select(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT rect{0, 0, width, 0};
  DrawTextW(dc.Get(), text.c_str(), -1, &rect, DT_CALCRECT | DT_WORDBREAK);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

Strings Misfits(HWND window) {
  Strings misfits;
  EnumChildWindows(
      window,
      [](HWND control, LPARAM data) -> BOOL {
        wchar_t name[64] = {}, text[1024] = {};
        GetClassNameW(control, name, 64);
        GetWindowTextW(control, text, 1024);
        const std::wstring kind = name;
        if (!IsWindowVisible(control) || !text[0] || (kind != L"Button" && kind != L"Static")) return TRUE;
        RECT client;
        GetClientRect(control, &client);
        const bool label = kind == L"Static";
        const int margins = label ? 0 : platform::Scale(6);
        SIZE need = TextSize(control, text, client.right - margins);
        need.cx = label ? std::min<LONG>(need.cx, client.right) : need.cx + margins;
        need.cy += label ? 0 : platform::Scale(4);
        if (need.cx > client.right || need.cy > client.bottom)
          reinterpret_cast<Strings*>(data)->push_back(
              platform::ToUtf8(text) + ": needs " + std::to_string(need.cx) + " x " + std::to_string(need.cy) +
              ", has " + std::to_string(client.right) + " x " + std::to_string(client.bottom));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&misfits));
  return misfits;
}

// The client area only: without a window manager Wine draws no frame.
void Picture(HWND window, const std::string& name) {
  for (int round = 0; round < 30; ++round) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
  const char* folder = std::getenv("AMBLER_SHOTS");
  if (!folder || !*folder) return;
  RECT rect;
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  test::RunUnix("mkdir -p " + test::UnixPath(folder) + " && import -window root -crop " +
                std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top) + "+" +
                std::to_string(rect.left) + "+" + std::to_string(rect.top) + " " +
                test::UnixPath(std::string(folder) + "\\" + name + ".png"));
}

class WindowFit : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { win32_ui::InstallWin32WindowSystem(); }
  void SetUp() override {
    ASSERT_EQ(platform::ScreenDpi(), 144) << "run through scripts/at-dpi 144";
    medium.PutTotalCommander("TC\\TOTALCMD64.EXE");
    medium.Write("TC\\TC_portable_wincmd.ini", "[Configuration]\r\n");
    medium.Write("TC\\TC_portable_wcx_ftp.ini", "");
  }

  void ExpectCaptionsFit(const ui::Window& window, const std::string& picture) {
    const HWND native = FindWindowW(nullptr, platform::ToWide(window.Caption()).c_str());
    ASSERT_NE(native, nullptr) << window.Caption();
    Picture(native, picture);
    for (const std::string& misfit : Misfits(native)) ADD_FAILURE() << window.Caption() << ": " << misfit;
  }

  test::Medium medium;
};

TEST_F(WindowFit, EveryCaptionFitsAt144Dpi) {
  Form1 help(StartInfo{"/?", "T:\\TC", "Ambler"}), setup(StartInfo{" /SeTup ", "T:\\TC", "Ambler"});
  const TotalCommanderFolder folder = FolderOf("T:\\TC");
  PluginSearch plugins(folder, 0);
  Files dialog;
  const std::pair<ui::Window*, const char*> windows[] = {
      {&help, "help-window"}, {&setup, "setup-window"}, {&plugins, "plugin-window"}, {&dialog, "file-dialog"}};
  for (const auto& [window, picture] : windows) {
    if (window == &help || window == &setup) window->Load(); else window->Show();
    ExpectCaptionsFit(*window, std::string(picture) + "-144dpi");
    window->Unload();
  }
}

}  // namespace
