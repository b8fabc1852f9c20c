// Where the time of the portable rewrite goes, natively: the same stages as
// under Wine but for reading and writing, on the lines of a file that ends
// each with CR LF. Usage: rewrite_split_native FORM FILE (FORM: ansi or utf16).
#include <fstream>
#include <iterator>

#include "rewrite_split.h"

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::ifstream in(argv[2], std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string form = argv[1];
  const bool wide = form == "utf16";
  const std::string end = wide ? std::string("\r\0\n\0", 4) : "\r\n";
  std::vector<std::string> lines;
  for (std::size_t at = wide ? 2 : 0, next; at < bytes.size(); at = next + end.size()) {
    next = bytes.find(end, at);
    while (wide && next != std::string::npos && next % 2) next = bytes.find(end, next + 1);
    if (next == std::string::npos) next = bytes.size();
    lines.push_back(bytes.substr(at, next - at));
  }
  bench::PrintRewriteSplit(lines, wide ? platform::TextEncoding::Utf16 : platform::TextEncoding::Ansi,
                           ("native_" + form).c_str());
  return 0;
}
