#include "launcher/start_switches.h"

#include "platform/text.h"
#include "support/path_text.h"

StartSwitches ParseStartSwitches(const std::string& raw) {
  const std::string upper = platform::UpperCase(raw);
  const std::string trimmed = Trim(upper);
  StartSwitches switches;
  // The help switches count only exactly as given, blanks included.
  if (raw == "/?" || raw == "?" || raw == "-?" || upper == "-SETUP")
    switches.mode = StartMode::Help;
  else if (Contains(upper, "/SETUP"))
    switches.mode = StartMode::Setup;
  switches.offersShortcuts = upper == "/SETUP" || trimmed == "SETUP";
  switches.passesArguments =
      !trimmed.empty() && trimmed != "/SETUP" && trimmed != "SETUP" && trimmed != "/?" && trimmed != "-SETUP";
  return switches;
}
