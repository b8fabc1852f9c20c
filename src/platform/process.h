#pragma once
// Starting other programs.

#include <optional>
#include <string>

namespace platform {

enum class WindowStyle { Hidden, NormalWithFocus };

// Starts the command line and returns at once; false when it could not start.
bool StartProgram(const std::string& commandLine, WindowStyle style);

// Runs the command line without a window and waits for it; the exit code, or
// nothing when it could not be started or did not end within the time.
std::optional<unsigned long> RunAndWait(const std::string& commandLine, unsigned long timeoutMs);

}  // namespace platform
