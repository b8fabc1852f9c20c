#!/usr/bin/env bash
# The real Ambler.exe under X: "/?" shows the help window, "Close" ends it. None of the DLLs
# planted beside it under names a window program may load, preferred as Windows would, is loaded.
# Usage: help_window_smoke.sh AMBLER_EXE SCREENSHOT_DIR PLANTED_DLL
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
exe="$1"
shots="$2"
[ -n "${DISPLAY:-}" ] || { echo "no X display: run through scripts/test"; exit 1; }

work="$(mktemp -d /tmp/ambler-gui-XXXXXX)"
cp "$exe" "$work/Ambler.exe"
# Left out: DLLs Wine's builtins import (ole32, version, msimg32), which Wine then takes from the
# program's folder whatever it does; ole32 is a KnownDLL of Windows, and the others are not loaded.
planted=(comctl32 shell32 urlmon uxtheme dwmapi winmm propsys cryptbase)
for name in "${planted[@]}"; do cp "$3" "$work/$name.dll"; done
export AMBLER_PLANTED_MARKER="Z:${work//\//\\}\\planted.txt"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d};$(IFS=,; echo "${planted[*]}")=n,b"
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
[ ! -e "$work/planted.txt" ] || fail "$(wc -l < "$work/planted.txt") planted DLL(s) were loaded"
echo "1 passed, 0 failed"
