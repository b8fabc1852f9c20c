// The block reader on the build machine, for the builds of the text routines
// that run natively under the sanitizers.
#include <algorithm>
#include <cstdio>

#include "platform/text_file.h"

namespace platform {

bool CloseOpenedFile(void* file) { return std::fclose(static_cast<std::FILE*>(file)) == 0; }

FileBlockReader::FileBlockReader(const std::string& name) {
  file_ = OpenedFile(name.empty() ? nullptr : std::fopen(name.c_str(), "rb"));
  failed_ = !file_;
  auto* file = static_cast<std::FILE*>(file_.Get());
  if (file && std::fseek(file, 0, SEEK_END) == 0) {
    const long size = std::ftell(file);
    left_ = size > 0 ? static_cast<std::size_t>(size) : 0;
    std::rewind(file);
  }
}

bool FileBlockReader::AppendTo(std::string& buffer, std::size_t size) {
  if (!file_ || failed_) return false;
  auto* file = static_cast<std::FILE*>(file_.Get());
  size = std::min(size, std::max<std::size_t>(left_, 4096));
  const std::size_t at = buffer.size();
  buffer.resize(at + size);
  const std::size_t read = std::fread(buffer.data() + at, 1, size, file);
  failed_ = read < size && std::ferror(file);
  buffer.resize(at + (failed_ ? 0 : read));
  left_ -= std::min(left_, read);
  return !failed_ && read > 0;
}

}  // namespace platform
