#!/usr/bin/env bash
# Lays out a Total Commander tree of 10,000 directories and 50,000 files (a
# plugin file among every five) and runs scan_bench.exe on it under Wine.
set -euo pipefail
build="$1"
work="$(mktemp -d /tmp/ambler-scan-bench-XXXXXX)"
trap 'rm -rf "$work"' EXIT
python3 - "$work/TC" <<'PY'
import os, sys
root = sys.argv[1]
kinds = ["a.wfx", "b.wcx", "c.wlx", "d.wdx", "readme.txt"]
count = 0
for top in range(25):
    for sub in range(400):
        path = os.path.join(root, "dir%02d" % top) if sub == 0 else os.path.join(root, "dir%02d" % top, "sub%03d" % sub)
        os.makedirs(path, exist_ok=True)
        count += 1
        for i, kind in enumerate(kinds):
            name = kind if i != 4 else "notes%d.txt" % sub
            if i == 0:
                name = "plugin%d.wfx" % sub
            open(os.path.join(path, name), "w").close()
open(os.path.join(root, "TC_portable_wincmd.ini"), "w").write("[Configuration]\r\n")
assert count == 10000
PY
wine "$build/bench/scan_bench.exe" "Z:${work//\//\\}\\TC\\" 2>/dev/null | tr -d '\r'
