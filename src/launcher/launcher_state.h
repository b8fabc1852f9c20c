#pragma once
// What the launcher knows about Total Commander during one run.

#include <string>

struct LauncherState {
  // The command line handed to Total Commander: the launcher's own, trimmed,
  // plus the portable ini options.
  std::string TCCommandLine;
  std::string TCExe64;
  std::string TCExe32;
  // Total Commander's directory without, and with, its trailing separator.
  std::string TCDir;
  std::string TCPath;
  // TCPath once the directory is final: the second search text of the rewrite.
  std::string TCPathMatch;
  // The portable ini files while they are known to exist, else empty.
  std::string PortableIni;
  std::string PortableFtpIni;
  bool LineFound = false;
  // A source file was copied into a portable file during this run.
  bool FilesImported = false;
};

// Names of the portable files, all in Total Commander's directory, and what
// they begin with.
inline constexpr const char* kPortablePrefix = "TC_portable_";
inline constexpr const char* kPortableIni = "TC_portable_wincmd.ini";
inline constexpr const char* kPortableFtpIni = "TC_portable_wcx_ftp.ini";
inline constexpr const char* kPortableBar = "TC_portable_Default.bar";
inline constexpr const char* kPortableBarCompanion = "TC_portable_Default.br1";
