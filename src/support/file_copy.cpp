#include "support/file_copy.h"

#include "platform/file_system.h"
#include "platform/text.h"

bool CopyFileOver(const std::string& source, const std::string& target, bool overwrite) {
  if (source.empty() || target.empty()) return false;
  if (platform::UpperCase(source) == platform::UpperCase(target)) return false;
  if (!platform::FileExists(source)) return false;
  if (platform::FileExists(target) && !overwrite) return false;
  // An existing target stays when the copy fails, so its mere existence
  // afterwards does not tell that a copy was made.
  return platform::CopyFileSafely(source, target, overwrite) && platform::FileExists(source) &&
         platform::FileExists(target);
}
