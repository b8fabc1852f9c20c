#pragma once
// Line-based text files: single-byte text, a line ends at CR or CR LF (a lone
// LF is part of the line), and every line written ends with CR LF.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class TextFileReader {
 public:
  explicit TextFileReader(const std::string& name);
  ~TextFileReader();
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;

  bool IsOpen() const { return handle_ != nullptr; }

  // The next line without its line end; false at the end of the file or
  // after a read error. Any length of line is read whole.
  bool ReadLine(std::string& line);

  bool Failed() const { return failed_; }

 private:
  bool Fill();

  void* handle_ = nullptr;
  std::vector<char> buffer_;
  std::size_t position_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
  bool failed_ = false;
};

class TextFileWriter {
 public:
  enum class Mode { Create, Append };

  // Create replaces an existing file with an empty one.
  explicit TextFileWriter(const std::string& name, Mode mode = Mode::Create);
  ~TextFileWriter();
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;

  bool IsOpen() const { return handle_ != nullptr; }

  // Writes the line and CR LF; false once anything failed to reach the file.
  bool WriteLine(std::string_view line);

  // True when every line written reached the file.
  bool Close();

 private:
  bool Append(std::string_view bytes);
  bool Flush();

  void* handle_ = nullptr;
  std::string pending_;
  bool failed_ = false;
};

}  // namespace platform
