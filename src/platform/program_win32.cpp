#include "platform/program.h"

#include <windows.h>

#include "platform/win32_common.h"


namespace platform {

void KeepMediaErrorsQuiet() { SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX); }
namespace {

std::string ExecutablePath() {
  return GrowingText([](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
}

}  // namespace

std::string ArgumentsOf(const std::string& commandLine) {
  // The program's name ends at its closing quote, or at the first blank or tab.
  std::size_t end = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    end = commandLine.find('"', 1);
    end = end == std::string::npos ? commandLine.size() : end + 1;
  } else {
    end = commandLine.find_first_of(" \t");
    if (end == std::string::npos) end = commandLine.size();
  }
  if (end < commandLine.size() && (commandLine[end] == ' ' || commandLine[end] == '\t')) ++end;
  return commandLine.substr(end);
}

std::string CommandLine() {
  const wchar_t* line = GetCommandLineW();
  return line ? ToUtf8(line) : std::string();
}

std::string RawCommandLine() { return ArgumentsOf(CommandLine()); }

std::string EnvironmentVariable(const std::string& name) {
  const std::wstring wide = ToWide(name);
  return GrowingText([&](wchar_t* buffer, DWORD size) { return GetEnvironmentVariableW(wide.c_str(), buffer, size); });
}

std::string ExecutableDirectory() {
  const std::string path = ExecutablePath();
  const auto separator = path.find_last_of("\\/");
  if (separator == std::string::npos) return {};
  // A drive root keeps its separator.
  return separator <= 2 ? path.substr(0, separator + 1) : path.substr(0, separator);
}

std::string ExecutableBaseName() {
  std::string name = ExecutablePath();
  const auto separator = name.find_last_of("\\/");
  if (separator != std::string::npos) name.erase(0, separator + 1);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace platform
