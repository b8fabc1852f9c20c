// A DLL as a hostile stick would plant it beside Ambler.exe under the name of a system DLL: when anything loads
// it, it leaves a line in the file that AMBLER_PLANTED_MARKER names, and refuses to load.

#include <cstdio>
#include <cstdlib>

extern "C" __declspec(dllexport) int __stdcall DllMain(void*, unsigned long reason, void*) {
  if (reason == 1) {  // attached to a process
    if (const char* marker = std::getenv("AMBLER_PLANTED_MARKER")) {
      if (std::FILE* file = std::fopen(marker, "a")) {
        std::fputs("a planted DLL was loaded\n", file);
        std::fclose(file);
      }
    }
    return 0;
  }
  return 1;
}
