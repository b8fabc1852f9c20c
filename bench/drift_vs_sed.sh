#!/usr/bin/env bash
# drift_vs_sed_ratio: a start of Ambler.exe under Wine after a session that
# changed a tenth of the lines of a 20 MB portable ini (each now holding paths
# with the day's letter), everything else as the last launch handed it over,
# against one GNU sed pass over the same file that converts the folder and the
# drive in every line (case-insensitive, as the start does in the session's
# lines); medians of five, alternately.
set -euo pipefail
build="$1"
work="$(mktemp -d /tmp/ambler-drift-bench-XXXXXX)"
trap 'rm -rf "$work"' EXIT
tc="$work/TC"
mkdir -p "$tc"
cp "$build/Ambler.exe" "$tc/Ambler.exe"
cp "$build/tests/standin_tc.exe" "$tc/TOTALCMD64.EXE"
printf '[connections]\r\n' > "$tc/TC_portable_wcx_ftp.ini"
folder="Z:${tc//\//\\}"
python3 - "$tc/TC_portable_wincmd.ini" "$work/session.ini" "$folder" <<'PY'
import sys
handed, session, folder = sys.argv[1], sys.argv[2], sys.argv[3]
lines = ["[Configuration]"]
i = 0
while len(lines) < 200000:
    i += 1
    lines.append("plugin%d=%d,%%COMMANDER_PATH%%\\plugins\\wcx\\packer%d\\packer%d.wcx ; %s" % (i, i, i, i, "x" * 25))
open(handed, "wb").write(("\r\n".join(lines) + "\r\n").encode())
for n in range(1, len(lines), 10):
    lines[n] = "path%d=%s\\plugins\\new%d\\ Z:\\Data\\%d /X: h:mm:ss" % (n, folder, n, n)
open(session, "wb").write(("\r\n".join(lines) + "\r\n").encode())
PY
# The launch that hands the files over, and remembers them.
(cd "$tc" && wine "$folder\\Ambler.exe" 2>/dev/null)
cp "$tc/TC_portable_handed-over.ambler" "$work/memory"

median() { printf '%s\n' "$@" | sort -g | sed -n 3p; }
ours=() theirs=()
for _ in 1 2 3 4 5; do
  cp "$work/session.ini" "$tc/TC_portable_wincmd.ini"
  cp "$work/memory" "$tc/TC_portable_handed-over.ambler"
  start=$(date +%s%N)
  (cd "$tc" && wine "$folder\\Ambler.exe" 2>/dev/null)
  ours+=("$(( ($(date +%s%N) - start) / 1000000 ))")
  start=$(date +%s%N)
  sed -e "s/${folder//\\/\\\\}/%COMMANDER_PATH%/gI" -e "s/Z:/%COMMANDER_DRIVE%/gI" "$work/session.ini" > "$work/sed.ini"
  theirs+=("$(( ($(date +%s%N) - start) / 1000000 ))")
done
grep -q '^path1=%COMMANDER_PATH%\\plugins\\new1\\ %COMMANDER_DRIVE%\\Data\\1 /X: h:mm:ss' "$tc/TC_portable_wincmd.ini" ||
  { echo "drift bench: the session's lines were not made portable" >&2; exit 1; }
echo "drift_start_ms: $(median "${ours[@]}")"
echo "drift_sed_ms: $(median "${theirs[@]}")"
awk -v a="$(median "${ours[@]}")" -v b="$(median "${theirs[@]}")" 'BEGIN { printf "drift_vs_sed_ratio: %.2f\n", a / b }'
