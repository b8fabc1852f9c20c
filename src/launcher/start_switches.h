#pragma once
// What the switches on the launcher's command line ask for, decided once.

#include <string>

enum class StartMode {
  Help,    // "/?", "?", "-?", "-SETUP": only the help window
  Setup,   // anything holding "/SETUP": the start-up work, then the setup window
  Launch,  // anything else: the start-up work, then Total Commander
};

struct StartSwitches {
  StartMode mode = StartMode::Launch;
  // Only the setup switch was given: the desktop shortcuts are offered.
  bool offersShortcuts = false;
  // The command line holds more than a switch: the shortcut may carry it.
  bool passesArguments = false;
};

// rawCommandLine: what followed the program's name, untrimmed.
StartSwitches ParseStartSwitches(const std::string& rawCommandLine);
