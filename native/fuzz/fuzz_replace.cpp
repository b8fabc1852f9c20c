// ReplaceText and ReplaceAtWordStart against the routine as it reads step by
// step: the working text changes in place and its upper-cased copy is made
// anew after every replacement.
#include <cstdint>

#include "fuzz_input.h"
#include "platform/text.h"
#include "support/path_text.h"

namespace {

bool WordCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x80 || (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

std::string StepByStep(const std::string& source, std::string find, const std::string& replacement, bool wordStart) {
  std::string text = source;
  find = platform::UpperCase(find);
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t at = platform::UpperCase(text).find(find, from);
    if (at == std::string::npos) break;
    if (wordStart && at > 0 && WordCharacter(text[at - 1])) {
      from = at + 1;
      continue;
    }
    text = text.substr(0, at) + replacement + text.substr(at + find.size());
    from = at + replacement.size() + 1;
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::string flags = input.Piece();
  std::string find = input.Piece();
  const std::string replacement = input.Piece();
  const std::string source = input.Rest();
  const std::string original = find;

  if (flags.empty() || flags[0] % 2 == 0) {
    std::string caller = find;
    FUZZ_EXPECT(ReplaceText(source, caller, replacement, false) == StepByStep(source, find, replacement, false));
    FUZZ_EXPECT(caller == platform::UpperCase(original));
  } else {
    std::string caller = find;
    FUZZ_EXPECT(ReplaceAtWordStart(source, caller, replacement) == StepByStep(source, find, replacement, true));
  }
  // Exact case: a text replaced by itself stays as it was.
  std::string exact = find;
  if (!exact.empty()) FUZZ_EXPECT(ReplaceText(source, exact, exact, true) == source);
  return 0;
}
