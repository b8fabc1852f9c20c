#pragma once
// Within platform/ only: functions of system DLLs that the program loads only
// when it needs them, and only from the system folder, so that a DLL of the
// same name that a stick carries beside the program is never loaded.

#include <windows.h>

namespace platform {

// The function of a system DLL, or nullptr.
FARPROC SystemFunction(const char* dll, const char* name);

template <typename Function>
Function SystemFunctionAs(const char* dll, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunction(dll, name)));
}

}  // namespace platform

// A system function typed as its declaration says: SYSTEM_FUNCTION("ole32.dll", CoUninitialize).
#define SYSTEM_FUNCTION(dll, name) ::platform::SystemFunctionAs<decltype(&::name)>(dll, #name)
