#include "platform/text_file.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/medium_win32.h"
#include "platform/scoped_win32.h"
#include "platform/win32_common.h"

namespace platform {
namespace {

// What the writer gathers before it writes: each write is one change of the medium.
constexpr std::size_t kBlock = 64 * 1024;
// What the reader reads at once.
constexpr std::size_t kReadBlock = 1024 * 1024;
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr char kUtf16Mark[] = "\xFF\xFE";

void* Handle(HANDLE h) { return h == INVALID_HANDLE_VALUE ? nullptr : h; }

// Opened to be read from its start, while others may read and write it.
HANDLE OpenForReading(const std::string& name) {
  return CreateFileW(ToWide(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

}  // namespace

bool CloseOpenedFile(void* file) { return CloseHandle(file) != 0; }

TextFileReader::TextFileReader(const std::string& name) {
  if (name.empty()) return;
  file_ = OpenedFile(Handle(OpenForReading(name)));
  if (!file_) return;
  // No larger than the file: fresh memory costs more to touch than a small file to read.
  LARGE_INTEGER size{};
  block_ = GetFileSizeEx(file_.Get(), &size)
               ? std::clamp(static_cast<std::size_t>(size.QuadPart) + 16, std::size_t{4096}, kReadBlock)
               : kReadBlock;
  buffer_.resize(block_);
  // The mark needs three bytes at most, which a short read may not give at once.
  while (end_ < 3 && Fill()) {
  }
  encoding_ = EncodingOf(std::string_view(buffer_.data(), end_));
  position_ = MarkLength(encoding_);
}

// Reads more behind what is still unread, which moves to the front.
bool TextFileReader::Fill() {
  if (atEnd_ || !file_) return false;
  std::memmove(buffer_.data(), buffer_.data() + position_, end_ - position_);
  end_ -= position_;
  position_ = 0;
  if (buffer_.size() - end_ < block_ / 2) buffer_.resize(buffer_.size() + block_);
  DWORD read = 0;
  if (!ReadFile(file_.Get(), buffer_.data() + end_, static_cast<DWORD>(buffer_.size() - end_), &read, nullptr)) {
    failed_ = true;
    atEnd_ = true;
    return false;
  }
  end_ += read;
  if (read == 0) atEnd_ = true;
  return read > 0;
}

bool TextFileReader::ReadLine(std::string& line) {
  line.clear();
  if (!file_) return false;
  if (encoding_ == TextEncoding::Utf16) return ReadUtf16Line(line);
  bool any = false;
  for (;;) {
    if (position_ == end_ && !Fill()) return any;
    any = true;
    const char* begin = buffer_.data() + position_;
    const char* stop = buffer_.data() + end_;
    const auto* found = static_cast<const char*>(std::memchr(begin, '\r', static_cast<std::size_t>(stop - begin)));
    const char* cr = found ? found : stop;
    line.append(begin, cr);
    position_ = static_cast<std::size_t>(cr - buffer_.data());
    if (cr == stop) continue;
    ++position_;  // the CR
    if (position_ == end_) Fill();
    if (position_ < end_ && buffer_[position_] == '\n') ++position_;
    return true;
  }
}

bool TextFileReader::ReadUtf16Line(std::string& line) {
  auto unitAt = [&](std::size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>(buffer_[at])) |
           static_cast<unsigned>(static_cast<unsigned char>(buffer_[at + 1])) << 8;
  };
  bool any = false;
  for (;;) {
    if (end_ - position_ < 2) Fill();
    if (end_ - position_ < 2) {
      // The end of the file, or an odd last byte that belongs to the line.
      if (position_ == end_) return any;
      line += buffer_[position_++];
      return true;
    }
    any = true;
    std::size_t at = position_;
    while (at + 1 < end_ && unitAt(at) != '\r') at += 2;
    line.append(buffer_.data() + position_, at - position_);
    position_ = at;
    if (at + 1 >= end_) continue;
    position_ += 2;  // the CR
    if (end_ - position_ < 2) Fill();
    if (end_ - position_ >= 2 && unitAt(position_) == '\n') position_ += 2;
    return true;
  }
}

TextFileWriter::TextFileWriter(const std::string& name, Mode mode, TextEncoding encoding) : encoding_(encoding) {
  if (name.empty()) return;
  // Appending writes go to the end as one piece, even with other writers.
  const bool append = mode == Mode::Append;
  file_ = OpenedFile(Handle(CreateFileForWriting(ToWide(name), append ? FILE_APPEND_DATA : GENERIC_WRITE,
                                        append ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ,
                                        append ? OPEN_ALWAYS : CREATE_ALWAYS)));
  if (file_ && !append)
    Append(encoding == TextEncoding::Utf16 ? std::string_view(kUtf16Mark, 2)
                                           : std::string_view(kUtf8Mark, MarkLength(encoding)));
}

TextFileWriter::~TextFileWriter() { Close(); }

bool TextFileWriter::Flush() {
  if (!failed_ && !WriteAll(file_.Get(), pending_)) failed_ = true;
  pending_.clear();
  return !failed_;
}

bool TextFileWriter::Append(std::string_view bytes) {
  if (!file_ || failed_) return false;
  pending_.append(bytes);
  return pending_.size() < kBlock || Flush();
}

bool TextFileWriter::WriteLine(std::string_view line) {
  if (encoding_ != TextEncoding::Utf16) return Append(line) && Append("\r\n");
  // An odd last byte stays last: a line end behind it would shift every unit.
  return Append(line) && (line.size() % 2 == 1 || Append(std::string_view("\r\0\n\0", 4)));
}

bool TextFileWriter::Close() {
  if (!file_) return false;
  Flush();
  if (!file_.Reset()) failed_ = true;
  return !failed_;
}

FileBlockReader::FileBlockReader(const std::string& name) {
  if (name.empty()) return;
  file_ = OpenedFile(Handle(OpenForReading(name)));
  failed_ = !file_;
  LARGE_INTEGER size{};
  if (file_ && GetFileSizeEx(file_.Get(), &size)) left_ = static_cast<std::size_t>(size.QuadPart);
}

bool FileBlockReader::AppendTo(std::string& buffer, std::size_t size) {
  if (!file_ || failed_) return false;
  // No more room than the file needs: fresh memory is slow to touch. A file
  // that grows meanwhile is read to its end all the same.
  size = std::min(size, std::max<std::size_t>(left_, 4096));
  const std::size_t at = buffer.size();
  buffer.resize(at + size);
  DWORD read = 0;
  failed_ = !ReadFile(file_.Get(), buffer.data() + at, static_cast<DWORD>(size), &read, nullptr);
  buffer.resize(at + (failed_ ? 0 : read));
  left_ -= std::min<std::size_t>(left_, read);
  return !failed_ && read > 0;
}

std::string& SharedReadBuffer() {
  thread_local std::string buffer;
  return buffer;
}

bool ReadFileBytes(const std::string& name, std::string& bytes) {
  bytes.clear();
  if (name.empty()) return false;
  const ScopedFile file(OpenForReading(name));
  if (!file) return false;
  // Read where the file's size says, in large calls: each call costs a trip
  // through Wine. A file that grows meanwhile is read to its end all the same.
  // One byte beyond the size lets the last call find the end without a larger
  // buffer: fresh memory costs more to touch than a small file to read.
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0) bytes.reserve(static_cast<std::size_t>(size.QuadPart) + 1);
  constexpr std::size_t kLargeBlock = 8 * 1024 * 1024;
  for (;;) {
    const std::size_t at = bytes.size(), room = bytes.capacity() - at;
    bytes.resize(at + (room > 0 ? std::min(room, kLargeBlock) : kBlock));
    DWORD read = 0;
    const bool ok = ReadFile(file.Get(), bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &read, nullptr);
    bytes.resize(at + (ok ? read : 0));
    if (!ok) return false;
    if (read == 0) return true;
  }
}

}  // namespace platform
