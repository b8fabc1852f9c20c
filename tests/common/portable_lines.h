#pragma once
// Writing files in their forms and reading portable files back, in tests.

#include <string>

#include "platform/text.h"
#include "support/path_text.h"
#include "support/line_text.h"
#include "support/portable_rewrite.h"

// A portable line read back: both variables expanded for Total Commander in that directory, upper-cased for
// comparing with its original.
inline std::string ExpandedUpper(std::string line, const std::string& directory) {
  std::string path = kCommanderPath, drive = kCommanderDrive;
  line = ReplaceText(line, path, directory, false);
  return platform::UpperCase(ReplaceText(line, drive, directory.substr(0, 2), false));
}

// Text as a file of that form holds it: behind its mark, in UTF-16 or in this machine's code page.
inline std::string InForm(const std::string& text, platform::TextEncoding encoding) {
  const char* mark = encoding == platform::TextEncoding::Utf16  ? "\xFF\xFE"
                     : encoding == platform::TextEncoding::Utf8 ? "\xEF\xBB\xBF"
                                                                : "";
  return mark + EncodeText(text, encoding);
}
