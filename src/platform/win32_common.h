#pragma once
// Helpers that the Win32 pieces of the platform layer share.

#include <windows.h>

#include <string>

namespace platform {

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
