#pragma once
// Helpers that the Win32 pieces of the platform layer, and the window binding
// above it, share.

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Text inside the program is UTF-8; Windows is called in UTF-16.
std::wstring ToWide(std::string_view utf8);
std::string ToUtf8(std::wstring_view wide);

// The program's one message loop: runs the thread's messages, each window's
// dialog keys included, until done() holds; with waiting false it ends too
// once no message is waiting. A WM_QUIT ends it and is posted again, so that
// the loop around a nested one ends too; its exit code is returned (0 else).
int PumpUntil(const std::function<bool()>& done, bool waiting = true);

// Pixels per logical inch of the screen.
int ScreenDpi();
// Dialog units of 96 dpi scaled to the screen.
int Scale(int pixelsAt96);
// Twips to pixels of the screen.
int TwipsToPixels(int twips);
// Registers a window class of the program's own (arrow cursor, the dialog
// background) once; later calls find it registered.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure);
// Loads the common controls (6, as the manifest asks) from the system folder.
void InitCommonControls();
std::string WindowText(HWND window);

// The text a Win32 call writes into a buffer of the size it is given. The call
// returns the length written, 0 on failure, and a length that fills the buffer
// or a larger one (the size it needs) when the buffer was too small.
template <typename Call>
std::string GrowingText(Call call) {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  for (;;) {
    const std::size_t length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return ToUtf8(std::wstring_view(buffer.data(), length));
    buffer.resize(std::max(length + 1, buffer.size() * 2));
  }
}

}  // namespace platform
