#!/usr/bin/env bash
# The real file dialog under X: the setup window's "Import Button Bar (*.bar)"
# opens it (no portable bar yet); it is pinned above other windows; a path
# typed into the full-path box and "Ok" import that button bar. Opened again,
# it is browsed by mouse alone: double-clicks in the directory list, a click
# on the bar in the file list, "Ok".
# Usage: file_dialog_smoke.sh AMBLER_EXE STANDIN_EXE SCREENSHOT_DIR
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
[ -n "${DISPLAY:-}" ] || { echo "no X display: run through scripts/test"; exit 1; }
source "$root/scripts/wine-env"
source "$root/scripts/gui-helpers"

work="$(mktemp -d /tmp/ambler-gui-XXXXXX)"
mkdir -p "$work/TC" "$work/Bars"
cp "$1" "$work/TC/Ambler.exe"
cp "$2" "$work/TC/TOTALCMD64.EXE"
shots="$3"
printf '%s\r\n' "[Configuration]" > "$work/TC/TC_portable_wincmd.ini"
: > "$work/TC/TC_portable_wcx_ftp.ini"
printf '%s\r\n' "[Buttonbar]" "cmd1=R:\\TC\\x.exe" "cmd2=R:\\Tools\\y.exe" > "$work/Bars/MY.BAR"
echo companion > "$work/Bars/MY.br1"
ln -sfn "$work" "$WINEPREFIX/dosdevices/r:"

wine 'R:\TC\Ambler.exe' 'x /setup' 2>/dev/null &
pid=$!
cleanup() { kill "$pid" 2>/dev/null || true; rm -f "$WINEPREFIX/dosdevices/r:"; rm -rf "$work"; }
trap cleanup EXIT

setup="$(wait_for_window '^Ambler - Total Commander mobile launcher$')"
dialog="$(click_until '^Please import - ButtonBar File' "$setup" 240 1320 2655 495)"  # "Import Button Bar (*.bar)"
pinned=""
for _ in $(seq 1 100); do
  xprop -id "$dialog" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE && { pinned=yes; break; }
  sleep 0.1
done
[ -n "$pinned" ] || fail "the dialog is not pinned above other windows"
sleep 0.5
mkdir -p "$shots"
timeout 10 import -window "$dialog" "$shots/file-dialog.png" || true

click_twips "$dialog" 1080 120 8055 375  # the full-path box
xdotool key --window "$dialog" ctrl+a BackSpace 2>/dev/null
# Xvfb's keyboard types no shifted characters: a path from the root of the
# current drive needs none.
xdotool type --window "$dialog" --delay 20 '\bars\my.bar' 2>/dev/null
click_twips "$dialog" $((5760 + 120)) 4800 1455 375  # "Ok"
wait_gone '^Please import - ButtonBar File'

# The import copies, rewrites and copies the companion after the dialog has
# gone: wait for its last step.
imported() {
  for _ in $(seq 1 600); do
    [ "$(cat "$work/TC/TC_portable_Default.br1" 2>/dev/null)" = companion ] && break
    sleep 0.1
  done
  local bar
  bar="$(tr -d '\r' < "$work/TC/TC_portable_Default.bar" 2>/dev/null || true)"
  [ "$bar" = "$1" ] || fail "the portable bar reads: $bar"
}
imported "$(printf '%s\n' "[Buttonbar]" 'cmd1=%COMMANDER_PATH%\x.exe' 'cmd2=%COMMANDER_DRIVE%\Tools\y.exe')"

# By mouse: from R:\TC up to the root (row 0 of the directory list), into
# Bars (row 1 there), the bar (row 0 of the file list), "Ok".
rm "$work/TC/TC_portable_Default.bar" "$work/TC/TC_portable_Default.br1"
printf '%s\r\n' "[Buttonbar]" "cmd1=R:\\Tools\\mouse.exe" > "$work/Bars/MY.BAR"
dialog="$(click_until '^Please import - ButtonBar File' "$setup" 240 1320 2655 495)"
row() { echo $(( 960 + 30 + $1 * 195 )); }  # list top, border, rows of 13 pixels
# The window handles each double-click before it reads the next input, so the
# pauses only keep two double-clicks from reading as one.
xdotool mousemove --window "$dialog" 120 $(( $(row 0) / 15 + 6 )) click --repeat 2 --delay 80 1 2>/dev/null
sleep 0.5
xdotool mousemove --window "$dialog" 120 $(( $(row 1) / 15 + 6 )) click --repeat 2 --delay 80 1 2>/dev/null
sleep 0.5
xdotool mousemove --window "$dialog" 450 $(( $(row 0) / 15 + 6 )) click 1 2>/dev/null
sleep 0.5
timeout 10 import -window "$dialog" "$shots/file-dialog-browsed.png" || true
click_twips "$dialog" $((5760 + 120)) 4800 1455 375  # "Ok"
wait_gone '^Please import - ButtonBar File'
imported "$(printf '%s\n' "[Buttonbar]" 'cmd1=%COMMANDER_DRIVE%\Tools\mouse.exe')"
click_twips "$setup" 240 3240 2655 495  # "Close"
wait_exit "$pid"
echo "1 passed, 0 failed"
