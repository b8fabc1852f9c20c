// ReplaceText and ReplaceAtWordStart against the routine as it reads step by
// step.
#include <cstdint>

#include "common/step_by_step_replace.h"
#include "fuzz_input.h"
#include "platform/text.h"
#include "support/path_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::string flags = input.Piece();
  std::string find = input.Piece();
  const std::string replacement = input.Piece();
  const std::string source = input.Rest();
  const std::string original = find;

  if (flags.empty() || flags[0] % 2 == 0) {
    std::string caller = find;
    FUZZ_EXPECT(ReplaceText(source, caller, replacement, false) == test::StepByStepReplace(source, find, replacement, false));
    FUZZ_EXPECT(caller == platform::UpperCase(original));
  } else {
    std::string caller = find;
    FUZZ_EXPECT(ReplaceAtWordStart(source, caller, replacement) == test::StepByStepReplace(source, find, replacement, true));
  }
  // Exact case: a text replaced by itself stays as it was.
  std::string exact = find;
  if (!exact.empty()) FUZZ_EXPECT(ReplaceText(source, exact, exact, true) == source);
  return 0;
}
