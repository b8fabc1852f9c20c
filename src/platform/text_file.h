#pragma once
// Line-based text files in the three forms Total Commander writes: ANSI text
// (no byte order mark), UTF-8 behind the mark EF BB BF, and UTF-16 LE behind
// the mark FF FE. A line ends at CR or CR LF (a lone LF is part of the line),
// in 16-bit units in UTF-16; every line written ends with CR LF in the file's
// form. Lines are read and written as the bytes the file holds, without the
// mark and the line ends: what they mean is left to the caller.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/scoped.h"

namespace platform {

enum class TextEncoding { Ansi, Utf8, Utf16 };

// The form that a file beginning with these bytes has, and the length of its mark.
inline TextEncoding EncodingOf(std::string_view start) {
  if (start.starts_with("\xFF\xFE")) return TextEncoding::Utf16;
  if (start.starts_with("\xEF\xBB\xBF")) return TextEncoding::Utf8;
  return TextEncoding::Ansi;
}
inline std::size_t MarkLength(TextEncoding encoding) {
  return encoding == TextEncoding::Utf16 ? 2 : encoding == TextEncoding::Utf8 ? 3 : 0;
}

// A file the platform opened (a HANDLE on Windows, a FILE* in the native
// build), closed once; false where the close failed.
bool CloseOpenedFile(void* file);
inline void* NoOpenedFile() { return nullptr; }
using OpenedFile = Scoped<void*, CloseOpenedFile, NoOpenedFile>;

class TextFileReader {
 public:
  explicit TextFileReader(const std::string& name);

  bool IsOpen() const { return static_cast<bool>(file_); }
  TextEncoding Encoding() const { return encoding_; }

  // The next line without its line end; false at the end of the file or
  // after a read error. Any length of line is read whole; an odd last byte of
  // a UTF-16 file belongs to the last line.
  bool ReadLine(std::string& line);

  bool Failed() const { return failed_; }

 private:
  bool Fill();
  bool ReadUtf16Line(std::string& line);

  OpenedFile file_;
  TextEncoding encoding_ = TextEncoding::Ansi;
  std::vector<char> buffer_;
  std::size_t block_ = 0;
  std::size_t position_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
  bool failed_ = false;
};

class TextFileWriter {
 public:
  enum class Mode { Create, Append };

  // Create replaces an existing file with an empty one, which begins with the
  // mark of its form.
  explicit TextFileWriter(const std::string& name, Mode mode = Mode::Create,
                          TextEncoding encoding = TextEncoding::Ansi);
  ~TextFileWriter();
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;

  bool IsOpen() const { return static_cast<bool>(file_); }

  // Writes the line's bytes and CR LF (none behind the odd last byte of a
  // UTF-16 file); false once anything failed to reach the file.
  bool WriteLine(std::string_view line);

  // True when every line written reached the file.
  bool Close();

 private:
  bool Append(std::string_view bytes);
  bool Flush();

  OpenedFile file_;
  TextEncoding encoding_;
  std::string pending_;
  bool failed_ = false;
};

// A file's bytes from its start, block by block, so that a large file is
// never held whole.
class FileBlockReader {
 public:
  explicit FileBlockReader(const std::string& name);

  bool IsOpen() const { return static_cast<bool>(file_); }
  // Appends up to size bytes to buffer; false at the end of the file and
  // after a read error.
  bool AppendTo(std::string& buffer, std::size_t size);
  bool Failed() const { return failed_; }

 private:
  OpenedFile file_;
  std::size_t left_ = 0;  // what the file's size said was left to read
  bool failed_ = false;
};

// A whole file's bytes; false when it cannot be read.
bool ReadFileBytes(const std::string& name, std::string& bytes);
// A buffer for reading whole files, kept for the whole run: fresh memory for a
// file of many megabytes costs more to touch than the file costs to read.
// Whoever reads into it is done with it before calling anything that may
// read into it in turn.
std::string& SharedReadBuffer();

}  // namespace platform
