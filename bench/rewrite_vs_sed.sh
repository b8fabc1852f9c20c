#!/usr/bin/env bash
# rewrite_vs_sed_ratio: both passes of the portable rewrite over a 20 MB
# wincmd.ini (200,000 lines, a path to rewrite on most) under Wine, against GNU
# sed doing the same two case-insensitive substitutions; measured alternately.
# rewrite_utf16_vs_sed_ratio: the same text as a UTF-16 LE file with its mark,
# against sed on the UTF-8 form of the text.
# Then where the time goes, under Wine (rewrite_split_FORM_*, and the speed in
# the process, rewrite_mb_per_s and rewrite_utf16_mb_per_s, megabytes of the
# file a second) and natively, built here with the host's compiler
# (rewrite_split_native_FORM_*): reading, decoding, looking for the search
# texts, replacing, encoding, writing, and the lines rewritten as the rewrite
# does it.
set -euo pipefail
build="$1"
work="$(mktemp -d /tmp/ambler-rewrite-bench-XXXXXX)"
trap 'rm -rf "$work"' EXIT

python3 - "$work/wincmd.ini" <<'PY'
import sys
lines = ["[Configuration]"]
i = 0
while len(lines) < 200000:
    i += 1
    if i % 10 == 0:
        lines.append("comment%d=nothing to rewrite here, only words and numbers %06d %s" % (i, i, "z" * 40))
    elif i % 3 == 0:
        lines.append("cmd%d=t:\\Tools\\Editor %d\\editor.exe /open T:\\tc\\user\\notes%d.txt %s" % (i, i, i, "y" * 20))
    else:
        lines.append("plugin%d=%d,T:\\TC\\plugins\\wcx\\packer%d\\packer%d.wcx ; %s" % (i, i, i, i, "x" * 25))
text = "\r\n".join(lines) + "\r\n"
open(sys.argv[1], "wb").write(text.encode("utf-8"))
open(sys.argv[1] + ".utf16", "wb").write(b"\xff\xfe" + text.encode("utf-16-le"))
PY

# measure FILE: the medians of five runs of ours on a copy of FILE and of sed
# on the UTF-8 form, as "ours sed".
measure() {
  local ours=() theirs=()
  for _ in 1 2 3 4 5; do
    cp "$1" "$work/ours.ini"
    ours+=("$(wine "$build/bench/rewrite_bench.exe" "Z:${work//\//\\}\\ours.ini" 2>/dev/null | tr -d '\r')")
    start=$(date +%s%N)
    sed -e 's/T:\\TC/%COMMANDER_PATH%/gI' -e 's/T:/%COMMANDER_DRIVE%/gI' "$work/wincmd.ini" > "$work/sed.ini"
    theirs+=("$(( ($(date +%s%N) - start) / 1000000 ))")
  done
  echo "$(median "${ours[@]}") $(median "${theirs[@]}")"
}
median() { printf '%s\n' "$@" | sort -g | sed -n 3p; }
read -r ours_ms sed_ms <<<"$(measure "$work/wincmd.ini")"
echo "rewrite_20mb_ms: $ours_ms"
echo "sed_20mb_ms: $sed_ms"
awk -v a="$ours_ms" -v b="$sed_ms" 'BEGIN { printf "rewrite_vs_sed_ratio: %.2f\n", a / b }'
read -r ours_ms sed_ms <<<"$(measure "$work/wincmd.ini.utf16")"
echo "rewrite_utf16_20mb_ms: $ours_ms"
awk -v a="$ours_ms" -v b="$sed_ms" 'BEGIN { printf "rewrite_utf16_vs_sed_ratio: %.2f\n", a / b }'

wine "$build/bench/rewrite_bench.exe" --split ansi "Z:${work//\//\\}\\wincmd.ini" 2>/dev/null | tr -d '\r'
wine "$build/bench/rewrite_bench.exe" --split utf16 "Z:${work//\//\\}\\wincmd.ini.utf16" 2>/dev/null | tr -d '\r'
src="$(cd "$(dirname "$0")/.." && pwd)/src"
c++ -std=c++20 -O2 -I"$src" -I"$(dirname "$0")" "$(dirname "$0")/rewrite_split_native.cpp" \
  "$src/support/portable_rewrite.cpp" "$src/support/line_text.cpp" "$src/support/path_text.cpp" \
  "$src/platform/text.cpp" "$src/platform/text_native.cpp" "$src/platform/path.cpp" -o "$work/rewrite_split_native"
"$work/rewrite_split_native" ansi "$work/wincmd.ini"
"$work/rewrite_split_native" utf16 "$work/wincmd.ini.utf16"
