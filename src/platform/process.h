#pragma once
// Starting other programs.

#include <optional>
#include <string>

namespace platform {

enum class WindowStyle { Hidden, NormalWithFocus };
// The same normal window with the focus as a number of the windows' show
// commands (SW_SHOWNORMAL), for the routines that take one.
inline constexpr int kNormalWindowWithFocus = 1;

// The full path of a program in the system folder ("notepad.exe"). A program
// named without its path would be looked for beside this program first: on
// the stick, where anyone may have put a file of that name. Empty text when
// the system folder is unknown.
std::string SystemProgram(const std::string& name);
// The drive Windows lies on ("C:"), which is never a removable medium's.
std::string SystemDrive();

// Starts the command line and returns at once; false when it could not start.
bool StartProgram(const std::string& commandLine, WindowStyle style);

// The same with a window style number (0 hidden, 1 normal with focus, ...):
// the started program's task identifier, or nothing.
std::optional<unsigned long> StartTask(const std::string& commandLine, int windowStyle);

// The program the system associates with an existing file, and the code the
// lookup gave (2: no such file).
struct Association {
  int code = 0;
  std::string program;
};
Association FindExecutableFor(const std::string& file);

// Runs the command line without a window and waits for it; the exit code, or
// nothing when it could not be started or did not end within the time.
std::optional<unsigned long> RunAndWait(const std::string& commandLine, unsigned long timeoutMs);

}  // namespace platform
