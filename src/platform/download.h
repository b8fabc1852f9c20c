#pragma once
// Fetching the resource at a web address into a file.

#include <string>

namespace platform {

// True when the whole resource was written to the file.
bool DownloadToFile(const std::string& address, const std::string& file);

}  // namespace platform
