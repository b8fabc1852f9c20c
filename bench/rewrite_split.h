#pragma once
// Where the time of the portable rewrite goes, on a file's lines held in
// memory, both passes: a line taken apart into its pieces (decoding, looking
// for the search texts, replacing, encoding back: the way of a line beyond
// ASCII; "lines_by_pieces" all of it at once), and the lines as the rewrite
// takes them ("lines"). Shared by the benchmark under Wine (which adds reading
// and writing the file) and its native build.

#include <string>
#include <vector>

#include "bench_timer.h"
#include "platform/text.h"
#include "support/line_text.h"
#include "support/portable_rewrite.h"

namespace bench {

// The rewrite's two passes over the lines, each stage timed over all of them;
// prints "rewrite_split_<form>_<stage>_ms: N".
inline void PrintRewriteSplit(const std::vector<std::string>& lines, platform::TextEncoding encoding,
                              const char* form) {
  const std::string finds[2][2] = {{"T:\\TC", "T:\\TC\\"}, {"T:", "T:"}};
  const char* replacements[2] = {kCommanderPath, kCommanderDrive};
  double decode = 0, match = 0, replace = 0, encode = 0, whole = 0, rewriting = 0;
  std::vector<std::string> current = lines;
  for (int pass = 0; pass < 2; ++pass) {
    const std::string f1 = platform::UpperCase(finds[pass][0]), f2 = platform::UpperCase(finds[pass][1]);
    std::vector<std::vector<LinePiece>> decoded(current.size());
    decode += FastestMs(1, [&] {
      for (std::size_t i = 0; i < current.size(); ++i) decoded[i] = DecodeLine(current[i], encoding);
    });
    std::size_t holding = 0;
    match += FastestMs(1, [&] {
      for (const std::string& line : current) holding += LineHolds(line, encoding, f1, f2);
    });
    if (holding == 0) std::printf("no line holds %s\n", finds[pass][0].c_str());
    replace += FastestMs(1, [&] {
      for (auto& pieces : decoded)
        for (LinePiece& piece : pieces)
          if (piece.form != LinePiece::Form::Bytes && piece.form != LinePiece::Form::Mark)
            piece.text = RewriteLine(piece.text, f1, f2, replacements[pass]);
    });
    encode += FastestMs(1, [&] {
      for (std::size_t i = 0; i < current.size(); ++i) EncodeLine(decoded[i], current[i]);
    });
    std::vector<std::string> rewritten(current.size());
    whole += FastestMs(1, [&] {
      for (std::size_t i = 0; i < current.size(); ++i)
        rewritten[i] = RewriteFileLine(current[i], encoding, f1, f2, replacements[pass]);
    });
    PortableLineRewriter rewriter(finds[pass][0], finds[pass][1], replacements[pass]);
    std::string line;
    rewriting += FastestMs(1, [&] {
      for (const std::string& each : current) rewriter.Rewrite(each, encoding, line);
    });
    current = std::move(rewritten);
  }
  const std::string prefix = std::string("rewrite_split_") + form + "_";
  Print((prefix + "decode_ms").c_str(), decode);
  Print((prefix + "match_ms").c_str(), match);
  Print((prefix + "replace_ms").c_str(), replace);
  Print((prefix + "encode_ms").c_str(), encode);
  Print((prefix + "lines_by_pieces_ms").c_str(), whole);
  Print((prefix + "lines_ms").c_str(), rewriting);
}

}  // namespace bench
