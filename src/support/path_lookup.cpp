#include "support/path_lookup.h"

#include "platform/file_system.h"
#include "support/path_text.h"

std::string ExtractDirectory(const std::string& path) {
  if (platform::LookupFindsOrdinaryFile(path) && platform::HasDirectoryAttribute(path)) return path;
  return DirectoryPart(path);
}
