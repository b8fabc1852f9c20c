#pragma once
// The running program: its command line, its file and its folder.

#include <string>

namespace platform {

// The whole command line, the program's name included.
std::string CommandLine();

// What followed the program's name on its command line, without the one
// blank that separates them, and otherwise exactly as it was passed.
std::string RawCommandLine();
// The part of a full command line that RawCommandLine() returns.
std::string ArgumentsOf(const std::string& commandLine);

// The value of an environment variable of the program; empty when unset.
std::string EnvironmentVariable(const std::string& name);

// The folder that holds the running executable, without trailing separator
// (a drive root keeps it: "E:\").
std::string ExecutableDirectory();
// The executable's file name without its extension.
std::string ExecutableBaseName();

// Makes every later DLL load search the system folder alone, never the
// program's own folder on the stick. The first thing the program does.
void RestrictDllSearchToSystem();

// An empty card reader or a pulled stick fails the call that touched it,
// instead of stopping the program with Windows' "There is no disk in the
// drive" box. Programs this one starts get Windows' default.
void KeepMediaErrorsQuiet();

}  // namespace platform
