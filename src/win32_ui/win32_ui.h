#pragma once
// The Win32 binding of the window objects: native windows and controls made
// from them, kept in step with them, and user input routed back to them.

namespace win32_ui {

// Makes the Win32 binding the window system of the program, and its host
// (Windows' own boxes and the program's input box) the current host.
void InstallWin32WindowSystem();
void InstallWin32Host();

// Runs the program's message loop until it ends.
int RunMessageLoop();

}  // namespace win32_ui
