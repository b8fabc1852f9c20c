#!/usr/bin/env bash
# Lays out two Total Commander trees, of 5,000 and of 50,000 plugin files (ten
# to a directory), and runs plugin_window_bench.exe on them under Wine, on a
# virtual display when there is none.
set -euo pipefail
build="$1"
work="$(mktemp -d /tmp/ambler-plugin-bench-XXXXXX)"
trap 'rm -rf "$work"' EXIT
python3 - "$work" <<'PY'
import os, sys
for name, plugins in (("small", 5000), ("large", 50000)):
    root = os.path.join(sys.argv[1], name)
    for d in range(plugins // 10):
        path = os.path.join(root, "dir%05d" % d)
        os.makedirs(path)
        for i in range(10):
            open(os.path.join(path, "plugin%d.%s" % (i, ("wfx", "wcx", "wlx", "wdx")[i % 4])), "w").close()
    open(os.path.join(root, "TC_portable_wincmd.ini"), "w").write("[Configuration]\r\n")
PY
windows() { local path="Z:${1//\//\\}\\"; echo "$path"; }
wine "$build/bench/plugin_window_bench.exe" "$(windows "$work/small")" "$(windows "$work/large")" 2>/dev/null | tr -d '\r'
