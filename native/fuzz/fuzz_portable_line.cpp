// The portable rewrite of one value: a value naming neither directory nor drive stays as it was.
#include <cstdint>

#include "fuzz_input.h"
#include "platform/path.h"
#include "support/portable_rewrite.h"
#include "platform/text.h"
#include "support/line_text.h"
#include "support/path_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::string directory = input.Piece();
  const std::string value = input.Rest();

  const std::string portable = PortableValue(value, directory);
  const std::string drive = platform::DriveOf(directory);
  const std::string upperValue = platform::UpperCase(value);
  const bool namesDirectory = !directory.empty() && Contains(upperValue, platform::UpperCase(directory));
  const bool namesDrive = !drive.empty() && Contains(upperValue, platform::UpperCase(drive));
  if (!namesDirectory && !namesDrive) FUZZ_EXPECT(portable == value);

  FUZZ_EXPECT(drive.empty() || (drive.size() == 2 && directory.starts_with(drive)));
  // A file's lines are rewritten as a single value is.
  if (drive.empty()) FUZZ_EXPECT(RewriteLine(value, directory, "", "%COMMANDER_PATH%") == portable);

  // The rewrite of a file's line, fast where the line is ASCII, says what the line by its pieces says.
  const std::string f1 = platform::UpperCase(directory), f2 = platform::UpperCase(drive), wide = Utf8ToUtf16(value);
  PortableLineRewriter rewriter(directory, drive, "%P%");
  for (const auto& [bytes, encoding] : {std::pair<const std::string&, platform::TextEncoding>{value, platform::TextEncoding::Ansi},
                                        {value, platform::TextEncoding::Utf8}, {value, platform::TextEncoding::Utf16},
                                        {wide, platform::TextEncoding::Utf16}}) {
    std::string rewritten;
    const auto result = rewriter.Rewrite(bytes, encoding, rewritten);
    FUZZ_EXPECT(result.holds == LineHolds(bytes, encoding, f1, f2));
    FUZZ_EXPECT((result.changed ? rewritten : bytes) == RewriteFileLine(bytes, encoding, f1, f2, "%P%"));
  }
  return 0;
}
