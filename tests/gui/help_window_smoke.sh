#!/usr/bin/env bash
# The real Ambler.exe under X: "/?" opens the help window with the program's
# texts, a screenshot is taken, and a click on "Close" ends the program.
# Usage: help_window_smoke.sh AMBLER_EXE SCREENSHOT_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
exe="$1"
shots="$2"
[ -n "${DISPLAY:-}" ] || { echo "no X display: run through scripts/test"; exit 1; }

work="$(mktemp -d /tmp/ambler-gui-XXXXXX)"
cp "$exe" "$work/Ambler.exe"
"$root/scripts/wine-run" "Z:${work//\//\\}\\Ambler.exe" "/?" &
pid=$!
cleanup() { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

source "$root/scripts/gui-helpers"
window="$(wait_for_window '^Ambler - Total Commander mobile launcher  V\.1\.4$')"

mkdir -p "$shots"
sleep 0.5  # let the controls paint before the picture is taken
timeout 10 import -window "$window" "$shots/help-window.png"

click_twips "$window" 240 3240 2655 495  # "Close"
wait_exit "$pid"
echo "1 passed, 0 failed"
