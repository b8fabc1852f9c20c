#pragma once
// Reading portable files back in tests.

#include <string>

#include "platform/text.h"
#include "support/path_text.h"
#include "support/portable_rewrite.h"

// A portable line read back: both variables expanded for Total Commander in that directory, upper-cased for
// comparing with its original.
inline std::string ExpandedUpper(std::string line, const std::string& directory) {
  std::string path = kCommanderPath, drive = kCommanderDrive;
  line = ReplaceText(line, path, directory, false);
  return platform::UpperCase(ReplaceText(line, drive, directory.substr(0, 2), false));
}
