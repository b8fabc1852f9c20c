#include "platform/process.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/path.h"
#include "platform/scoped_win32.h"
#include "platform/system_library.h"
#include "platform/win32_common.h"

namespace platform {
namespace {

// Starts the command line; process receives its handle (which Wine leaves
// empty for a Unix program) and id its identifier.
bool Start(const std::string& commandLine, int showCommand, ScopedHandle& processHandle, DWORD& id) {
  PROCESS_INFORMATION process{};
  std::wstring mutableLine = ToWide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  const DWORD flags = CREATE_DEFAULT_ERROR_MODE | (showCommand == SW_HIDE ? CREATE_NO_WINDOW : 0);
  if (commandLine.empty() || !CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, flags, nullptr,
                                             nullptr, &startup, &process))
    return false;
  const ScopedHandle thread(process.hThread);
  processHandle = ScopedHandle(process.hProcess);
  id = process.dwProcessId;
  return true;
}

int ShowCommand(WindowStyle style) { return style == WindowStyle::Hidden ? SW_HIDE : SW_SHOWNORMAL; }

}  // namespace

std::string SystemProgram(const std::string& name) {
  const std::string folder =
      GrowingText([](wchar_t* buffer, DWORD size) { return GetSystemDirectoryW(buffer, size); });
  return folder.empty() ? std::string() : JoinPath(folder, name);
}

std::string SystemDrive() {
  return DriveOf(GrowingText([](wchar_t* buffer, DWORD size) { return GetSystemWindowsDirectoryW(buffer, size); }));
}

bool StartProgram(const std::string& commandLine, WindowStyle style) {
  return StartTask(commandLine, ShowCommand(style)).has_value();
}

std::optional<unsigned long> StartTask(const std::string& commandLine, int windowStyle) {
  ScopedHandle process;
  DWORD id = 0;
  if (!Start(commandLine, windowStyle, process, id)) return std::nullopt;
  return id;
}

std::optional<unsigned long> RunAndWait(const std::string& commandLine, unsigned long timeoutMs) {
  ScopedHandle process;
  DWORD id = 0;
  if (!Start(commandLine, SW_HIDE, process, id) || !process) return std::nullopt;
  if (WaitForSingleObject(process.Get(), timeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.Get(), 1);
    return std::nullopt;
  }
  DWORD code = 0;
  if (!GetExitCodeProcess(process.Get(), &code)) return std::nullopt;
  return code;
}

Association FindExecutableFor(const std::string& file) {
  // The buffer holds the longest path there is.
  std::vector<wchar_t> buffer(MAX_PATH + 1, L' ');
  static auto findExecutable = SYSTEM_FUNCTION("shell32.dll", FindExecutableW);
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
