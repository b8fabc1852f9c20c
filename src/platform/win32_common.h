#pragma once
// Helpers that the Win32 pieces of the platform layer share.

#include <windows.h>

#include <string>
#include <string_view>

namespace platform {

// Text inside the program is UTF-8; Windows is called in UTF-16.
std::wstring ToWide(std::string_view utf8);
std::string ToUtf8(std::wstring_view wide);

// Pixels per logical inch of the screen.
int ScreenDpi();
// Dialog units of 96 dpi scaled to the screen.
int Scale(int pixelsAt96);
// Twips to pixels of the screen.
int TwipsToPixels(int twips);
// The system's message font.
HFONT DialogFont();
std::string WindowText(HWND window);

}  // namespace platform
