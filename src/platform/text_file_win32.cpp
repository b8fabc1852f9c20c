#include "platform/text_file.h"

#include <windows.h>

#include <algorithm>

namespace platform {
namespace {

constexpr std::size_t kBlock = 64 * 1024;

void* Handle(HANDLE h) { return h == INVALID_HANDLE_VALUE ? nullptr : h; }

}  // namespace

TextFileReader::TextFileReader(const std::string& name) {
  if (name.empty()) return;
  handle_ = Handle(CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (handle_) buffer_.resize(kBlock);
}

TextFileReader::~TextFileReader() {
  if (handle_) CloseHandle(handle_);
}

bool TextFileReader::Fill() {
  if (atEnd_ || !handle_) return false;
  DWORD read = 0;
  if (!ReadFile(handle_, buffer_.data(), static_cast<DWORD>(buffer_.size()), &read, nullptr)) {
    failed_ = true;
    atEnd_ = true;
    return false;
  }
  position_ = 0;
  end_ = read;
  if (read == 0) atEnd_ = true;
  return read > 0;
}

bool TextFileReader::ReadLine(std::string& line) {
  line.clear();
  if (!handle_) return false;
  bool any = false;
  for (;;) {
    if (position_ == end_ && !Fill()) return any;
    any = true;
    const char* begin = buffer_.data() + position_;
    const char* stop = buffer_.data() + end_;
    const char* cr = std::find(begin, stop, '\r');
    line.append(begin, cr);
    position_ = static_cast<std::size_t>(cr - buffer_.data());
    if (cr == stop) continue;
    ++position_;  // the CR
    if (position_ == end_) Fill();
    if (position_ < end_ && buffer_[position_] == '\n') ++position_;
    return true;
  }
}

TextFileWriter::TextFileWriter(const std::string& name, Mode mode) {
  if (name.empty()) return;
  // Appending writes go to the end as one piece, even with other writers.
  const bool append = mode == Mode::Append;
  handle_ = Handle(CreateFileA(name.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE,
                               append ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ, nullptr,
                               append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

TextFileWriter::~TextFileWriter() { Close(); }

bool TextFileWriter::Flush() {
  std::size_t done = 0;
  while (!failed_ && done < pending_.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min(pending_.size() - done, kBlock));
    if (!WriteFile(handle_, pending_.data() + done, chunk, &written, nullptr) || written == 0) failed_ = true;
    done += written;
  }
  pending_.clear();
  return !failed_;
}

bool TextFileWriter::Append(std::string_view bytes) {
  if (!handle_ || failed_) return false;
  pending_.append(bytes);
  return pending_.size() < kBlock || Flush();
}

bool TextFileWriter::WriteLine(std::string_view line) { return Append(line) && Append("\r\n"); }

bool TextFileWriter::Close() {
  if (!handle_) return false;
  Flush();
  if (!CloseHandle(handle_)) failed_ = true;
  handle_ = nullptr;
  return !failed_;
}

}  // namespace platform
