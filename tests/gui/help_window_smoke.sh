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

# Wait for the window: generous, because a cold Wine may take seconds.
window=""
for _ in $(seq 1 600); do
  window="$(xdotool search --name '^Ambler - Total Commander mobile launcher  V\.1\.4$' 2>/dev/null | head -n 1 || true)"
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: the help window did not open"; exit 1; }

mkdir -p "$shots"
sleep 0.5  # let the controls paint before the picture is taken
import -window "$window" "$shots/help-window.png"

# "Close": left 240, top 3240, 2655 by 495 twips; 15 twips to the pixel at 96 dpi.
xdotool mousemove --window "$window" $(( (240 + 2655 / 2) / 15 )) $(( (3240 + 495 / 2) / 15 )) click 1
for _ in $(seq 1 600); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then echo "FAIL: Close did not end the program"; exit 1; fi
echo "1 passed, 0 failed"
