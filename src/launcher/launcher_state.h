#pragma once
// What the launcher learns during one run, besides Total Commander's folder.

#include <string>

struct LauncherState {
  // The command line handed to Total Commander: the launcher's own, trimmed,
  // plus the portable ini options.
  std::string TCCommandLine;
  // Total Commander's folder with its separator, once it is found; the second
  // search text of the path rewrite. Empty where it was not found.
  std::string TCPathMatch;
  // The portable ini files while they are known to exist, else empty.
  std::string PortableIni;
  std::string PortableFtpIni;
  bool LineFound = false;
  // A source file was copied into a portable file during this run.
  bool FilesImported = false;
};
