#include "platform/process.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/system_library.h"
#include "platform/win32_common.h"

namespace platform {
namespace {

bool Start(const std::string& commandLine, int showCommand, PROCESS_INFORMATION& process) {
  std::wstring mutableLine = ToWide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  const DWORD flags = showCommand == SW_HIDE ? CREATE_NO_WINDOW : 0;
  if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  return true;
}

int ShowCommand(WindowStyle style) { return style == WindowStyle::Hidden ? SW_HIDE : SW_SHOWNORMAL; }

}  // namespace

std::string SystemProgram(const std::string& name) {
  wchar_t folder[MAX_PATH + 1] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH) return {};
  return ToUtf8(std::wstring_view(folder, length)) + "\\" + name;
}

bool StartProgram(const std::string& commandLine, WindowStyle style) {
  return StartTask(commandLine, ShowCommand(style)).has_value();
}

std::optional<unsigned long> StartTask(const std::string& commandLine, int windowStyle) {
  PROCESS_INFORMATION process{};
  if (commandLine.empty() || !Start(commandLine, windowStyle, process)) return std::nullopt;
  CloseHandle(process.hProcess);
  return process.dwProcessId;
}

std::optional<unsigned long> RunAndWait(const std::string& commandLine, unsigned long timeoutMs) {
  PROCESS_INFORMATION process{};
  if (!Start(commandLine, SW_HIDE, process)) return std::nullopt;
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

Association FindExecutableFor(const std::string& file) {
  // The buffer holds the longest path there is.
  std::vector<wchar_t> buffer(MAX_PATH + 1, L' ');
  static auto findExecutable = SystemFunctionAs<decltype(&FindExecutableW)>("shell32.dll", "FindExecutableW");
  if (!findExecutable) return {};
  const auto code = reinterpret_cast<INT_PTR>(findExecutable(ToWide(file).c_str(), nullptr, buffer.data()));
  Association result;
  result.code = static_cast<int>(code);
  if (code > 32) {
    buffer.back() = L'\0';
    result.program = ToUtf8(buffer.data());
  }
  return result;
}

}  // namespace platform
