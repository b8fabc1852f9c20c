#include "platform/path.h"

namespace platform {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool EndsWithSeparator(std::string_view path) { return !path.empty() && IsSeparator(path.back()); }

std::string WithSeparator(std::string path) {
  if (!EndsWithSeparator(path))
    path += path.find('\\') == std::string::npos && path.find('/') != std::string::npos ? '/' : '\\';
  return path;
}

std::string WithoutSeparator(std::string path, bool keepRoot) {
  const std::size_t root = !keepRoot ? 0 : path.size() >= 2 && path[1] == ':' ? 3 : 1;
  while (path.size() > root && EndsWithSeparator(path)) path.pop_back();
  return path;
}

std::string JoinPath(std::string directory, std::string_view name) {
  if (directory.empty()) return std::string(name);
  directory = WithSeparator(std::move(directory));
  directory += name;
  return directory;
}

std::string DriveOf(std::string_view path) {
  const bool letter = !path.empty() && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  return letter && path.size() >= 2 && path[1] == ':' ? std::string(path.substr(0, 2)) : std::string();
}

}  // namespace platform
