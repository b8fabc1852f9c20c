#!/usr/bin/env bash
# The real Ambler.exe on a fresh medium (drive S:), as a user drives it: the
# plugin window opens, "ALL >>" and "Save to portable - Ini" register the
# plugins, "Cancel" closes it, the shortcut question is answered No, and
# Total Commander is started with the portable files.
# Usage: first_start_smoke.sh AMBLER_EXE STANDIN_EXE SCREENSHOT_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
[ -n "${DISPLAY:-}" ] || { echo "no X display: run through scripts/test"; exit 1; }
source "$root/scripts/wine-env"
source "$root/scripts/gui-helpers"

work="$(mktemp -d /tmp/ambler-gui-XXXXXX)"
mkdir -p "$work/TC/plugins/wfx/ftp" "$work/TC/plugins/wlx/view"
cp "$1" "$work/TC/Ambler.exe"
cp "$2" "$work/TC/TOTALCMD64.EXE"
shots="$3"
printf '%s\r\n' "[Configuration]" "InstallDir=S:\\TC" > "$work/TC/wincmd.ini"
echo plugin > "$work/TC/plugins/wfx/ftp/ftp.wfx"
echo plugin > "$work/TC/plugins/wlx/view/view.wlx"
ln -sfn "$work" "$WINEPREFIX/dosdevices/s:"

wine 'S:\TC\Ambler.exe' 2>/dev/null &
pid=$!
cleanup() { kill "$pid" 2>/dev/null || true; rm -f "$WINEPREFIX/dosdevices/s:"; rm -rf "$work"; }
trap cleanup EXIT

window="$(wait_for_window '^Plugin Autosearch & Patch$')"
sleep 1
mkdir -p "$shots"
timeout 10 import -window "$window" "$shots/plugin-window.png"
click_twips "$window" 120 2160 735 375    # "ALL >>"
click_until '^Save now\?$' "$window" 3360 5520 2055 495 >/dev/null  # "Save to portable - Ini"
answer '^Save now\?$' y
click_until '^Desktop Shortcut\?$' "$window" 5640 5520 2295 495 >/dev/null  # "Cancel"
answer '^Desktop Shortcut\?$' n
wait_exit "$pid"

for _ in $(seq 1 600); do [ -s "$work/TC/received.txt" ] && break; sleep 0.1; done
expected='S:\TC\TOTALCMD64.EXE  /i=S:\TC\TC_portable_wincmd.ini /f=S:\TC\TC_portable_wcx_ftp.ini'
[ "$(head -n 1 "$work/TC/received.txt" | tr -d '\r')" = "$expected" ] || fail "Total Commander received: $(head -n 1 "$work/TC/received.txt")"
ini="$(tr -d '\r' < "$work/TC/TC_portable_wincmd.ini")"
grep -qx 'InstallDir=%COMMANDER_PATH%' <<<"$ini" || fail "wincmd.ini was not rewritten: $ini"
grep -qx 'ftp=%COMMANDER_PATH%\\plugins\\wfx\\ftp\\ftp.wfx' <<<"$ini" || fail "no file-system plugin: $ini"
grep -qx '0=%COMMANDER_PATH%\\plugins\\wlx\\view\\view.wlx' <<<"$ini" || fail "no lister plugin: $ini"
echo "1 passed, 0 failed"
