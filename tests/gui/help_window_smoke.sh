#!/usr/bin/env bash
# The real Ambler.exe under X: "/?" opens the help window with the program's
# texts, a screenshot is taken, and a click on "Close" ends the program. Beside
# it lie DLLs planted under the names of DLLs a window program may load, with
# Wine told to prefer them as Windows would (it does not for its KnownDLLs):
# none of them may be loaded.
# Usage: help_window_smoke.sh AMBLER_EXE SCREENSHOT_DIR PLANTED_DLL
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
exe="$1"
shots="$2"
[ -n "${DISPLAY:-}" ] || { echo "no X display: run through scripts/test"; exit 1; }

work="$(mktemp -d /tmp/ambler-gui-XXXXXX)"
cp "$exe" "$work/Ambler.exe"
# The DLLs the program loads itself (comctl32, shell32, urlmon) and some a
# window program may pull in. Left out: names that Wine's own builtin DLLs
# import (ole32, version, msimg32), which Wine then takes from the program's
# folder whatever the program does; Windows keeps ole32 among its KnownDLLs,
# and this program loads neither version nor msimg32.
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
