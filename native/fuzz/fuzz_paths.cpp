// Taking typed and stored paths apart, quoting and unquoting them.
#include <cstdint>

#include "files_dialog/files.h"
#include "fuzz_input.h"
#include "support/path_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = FuzzInput(data, size).Rest();
  const std::string trimmed = Trim(path);
  FUZZ_EXPECT(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
  FUZZ_EXPECT(Contains(path, trimmed));

  FUZZ_EXPECT(path.ends_with(ExtractFileName(path)));
  FUZZ_EXPECT(path.ends_with(Files::GetNamePart(path)));
  const std::string pattern = Files::GetFilterPattern(path);
  FUZZ_EXPECT(pattern.empty() || (pattern.starts_with("*.") && path.ends_with(pattern.substr(2))));

  const std::string directory = DirectoryPart(path);
  FUZZ_EXPECT(directory == path || Contains(path, directory));
  FUZZ_EXPECT(NormalizeDirectory(NormalizeDirectory(path)) == NormalizeDirectory(path));

  // Quoting a path and taking the quotes off again gives the trimmed path.
  if (!Contains(path, "\"")) FUZZ_EXPECT(StripQuotes(QuotePath(path)) == trimmed);
  return 0;
}
