#pragma once
// The portable rewrite: Total Commander's directory becomes %COMMANDER_PATH%,
// then its drive %COMMANDER_DRIVE%, ignoring case, and only where a path can
// begin (not inside a word); for one value, one line of a file, or a file.

#include <string>
#include <string_view>
#include <vector>

#include "platform/text_file.h"

inline constexpr const char* kCommanderPath = "%COMMANDER_PATH%";
inline constexpr const char* kCommanderDrive = "%COMMANDER_DRIVE%";

// directory is Total Commander's, without its trailing separator.
std::string PortableValue(const std::string& value, const std::string& directory);

// One line of a file being made portable: each search text (ignoring case, an
// empty one is skipped) becomes the replacement where a path can begin.
// afterWord: a letter, a digit or a character beyond ASCII stands before it.
std::string RewriteLine(std::string line, std::string find1, std::string find2, const std::string& replacement,
                        bool afterWord = false);

// One line of a file as the bytes the file holds in its form: what it says is
// rewritten as RewriteLine does, and every byte outside a replacement stays as
// it was. Bytes that decode to no character are copied unchanged.
std::string RewriteFileLine(std::string_view bytes, platform::TextEncoding encoding, const std::string& find1,
                            const std::string& find2, const std::string& replacement);

// Whether the line says one of the (upper-cased) search texts; an empty one
// counts as found in every line that is not empty.
bool LineHolds(std::string_view bytes, platform::TextEncoding encoding, const std::string& upperFind1,
               const std::string& upperFind2);

// One file's lines made portable, its search texts prepared once: for each
// line what LineHolds tells and what RewriteFileLine makes of it, byte for byte
// the same. A line of ASCII text, in any of the three forms, is searched and
// rewritten as it lies, without decoding; one without a search text's first
// letter costs a look at each of its bytes.
class PortableLineRewriter {
 public:
  PortableLineRewriter(const std::string& find1, const std::string& find2, const std::string& replacement);
  struct Result {
    bool holds = false;    // the line says a search text
    bool changed = false;  // rewritten holds the line's new bytes; otherwise it is left alone
  };
  Result Rewrite(std::string_view line, platform::TextEncoding encoding, std::string& rewritten);

 private:
  template <std::size_t kUnit>
  Result RewriteAscii(std::string_view line, std::string& rewritten);
  // Whether a search text's first letter (in either case) may stand in the line.
  bool HoldsFirstLetter(std::string_view line, bool wide) const;

  std::string find1_, find2_, replacement_;  // the search texts upper-cased
  bool ascii_ = false;  // the search texts and the replacement are ASCII, so ASCII lines take the fast way
  std::vector<std::string> asciiFinds_;  // the search texts that are not empty, in order
  bool secondNeedsFirst_ = false;
  bool passable_ = false;  // a line without a search text's first letter holds none
  std::string wideReplacement_;        // the replacement in UTF-16
  std::string scratch_;
};

// What the rewrite leaves beside a file while it writes.
inline constexpr const char* kRewriteScratchSuffix = "_temp2.txt";

// Rewrites every line of the file, reading it once; a file in which the
// rewrite changes no line is not written at all. The lines go into its scratch file (its
// name and "_temp2.txt"), in the file's form and with CR LF after each, the
// last line dropped when blank; only a scratch file written whole takes the
// file's place, so whatever fails, the file keeps its content and no scratch
// file is left.
struct RewriteResult {
  bool lineFound = false;  // a line held a search text
  bool failed = false;     // the file holds it still: the new version could not be written
  bool written = false;    // the new version took the file's place
};
RewriteResult RewriteFile(const std::string& file, const std::string& find1, const std::string& find2,
                          const std::string& replacement);

// Both passes on a file: Total Commander's folder (TCDir, TCPathMatch: the
// same with its separator) becomes %COMMANDER_PATH%, then TCDir's drive (where
// it has one) %COMMANDER_DRIVE%. The file ends as the two rewrites one after
// the other leave it, but is read and written once.
RewriteResult MakePortable(const std::string& file, const std::string& TCDir, const std::string& TCPathMatch);

// The source copied into target as MakePortable would leave the copy, in one
// replacement: the target appears rewritten or not at all, never as a copy
// still to be rewritten (a stick pulled between the two). Where no line
// changes nothing is written, for a plain copy.
RewriteResult CopyMadePortable(const std::string& source, const std::string& target, const std::string& TCDir,
                               const std::string& TCPathMatch);
