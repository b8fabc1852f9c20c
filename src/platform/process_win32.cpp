#include "platform/process.h"

#include <windows.h>

#include <vector>

namespace platform {

namespace {

bool Start(const std::string& commandLine, WindowStyle style, PROCESS_INFORMATION& process) {
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = style == WindowStyle::Hidden ? SW_HIDE : SW_SHOWNORMAL;
  const DWORD flags = style == WindowStyle::Hidden ? CREATE_NO_WINDOW : 0;
  if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  return true;
}

}  // namespace

bool StartProgram(const std::string& commandLine, WindowStyle style) {
  PROCESS_INFORMATION process{};
  if (!Start(commandLine, style, process)) return false;
  CloseHandle(process.hProcess);
  return true;
}

std::optional<unsigned long> RunAndWait(const std::string& commandLine, unsigned long timeoutMs) {
  PROCESS_INFORMATION process{};
  if (!Start(commandLine, WindowStyle::Hidden, process)) return std::nullopt;
  std::optional<unsigned long> result;
  if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
    DWORD code = 0;
    if (GetExitCodeProcess(process.hProcess, &code)) result = code;
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hProcess);
  return result;
}

}  // namespace platform
