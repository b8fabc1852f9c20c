// The dialog's splitting of typed names, kept apart from its windows so that
// the text routines can be checked on their own.
#include "files_dialog/files.h"

std::string Files::GetFilterPattern(const std::string& name) {
  const auto at = name.find_last_of("\\.");
  return at == std::string::npos ? std::string() : "*." + name.substr(at + 1);
}

std::string Files::GetNamePart(const std::string& path) {
  const auto at = path.find_last_of("\\/");
  return at == std::string::npos ? std::string() : path.substr(at + 1);
}
