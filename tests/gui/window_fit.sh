#!/usr/bin/env bash
# The window fit test at 144 dpi, its pictures kept as PNG files.
# Usage: window_fit.sh WINDOW_FIT_TESTS SCREENSHOT_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
[ -n "${DISPLAY:-}" ] || { echo "no X display: run through scripts/test"; exit 1; }
shots="$2"
mkdir -p "$shots"
export AMBLER_SHOTS="Z:${shots//\//\\}"
exec "$root/scripts/at-dpi" 144 "$1" --gtest_brief=1
