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
title='^Please import - ButtonBar File'
dialog="$(click_until "$title" "$setup" 240 1320 2655 495)"  # "Import Button Bar (*.bar)"
pinned=""
for _ in $(seq 1 100); do
  xprop -id "$dialog" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE && { pinned=yes; break; }
  sleep 0.1
done
[ -n "$pinned" ] || fail "the dialog is not pinned above other windows"
# Ready once its first control has the focus: a click before that can get lost.
wait_for_focus 60 "$title" ComboBox || fail "the dialog never takes the focus"
mkdir -p "$shots"
timeout 10 import -window "$dialog" "$shots/file-dialog.png" || true

# Keys go to the control that has the focus when they arrive: type only once
# the click has given it to the full-path box.
box=(Edit $((1080 / 15)) $((120 / 15)))
for _ in $(seq 1 20); do
  click_twips "$dialog" 1080 120 8055 375
  wait_for_focus 3 "$title" "${box[@]}" && break
done
wait_for_focus 1 "$title" "${box[@]}" || fail "the full-path box never has the focus: $(focused "$title")"
xdotool key --window "$dialog" ctrl+a BackSpace 2>/dev/null
# Xvfb's keyboard types no shifted characters: a path from the root of the
# current drive needs none.
typed='\bars\my.bar'
xdotool type --window "$dialog" --delay 20 "$typed" 2>/dev/null
wait_for_focus 30 "$title" "${box[@]}" "$typed" || fail "the full-path box reads: $(focused "$title")"
click_twips "$dialog" $((5760 + 120)) 4800 1455 375  # "Ok"
wait_gone "$title"

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
dialog="$(click_until "$title" "$setup" 240 1320 2655 495)"
wait_for_focus 60 "$title" ComboBox || fail "the dialog never takes the focus"
# browse LEFT ROW CLICKS FOCUS...: clicks a row of a list (pixels from the
# window's left; rows of 13 pixels below the lists' top and border) until the
# focus shows FOCUS. A step made twice lands where it did once.
browse() {
  local x="$1" y=$(( (960 + 30 + $2 * 195) / 15 + 6 )) clicks="$3"
  shift 3
  for _ in $(seq 1 10); do
    xdotool mousemove --window "$dialog" "$x" "$y" click --repeat "$clicks" --delay 80 1 2>/dev/null
    wait_for_focus 5 "$title" "$@" && return 0
  done
  fail "the dialog shows: $(focused "$title")"
}
browse 120 0 2 ListBox 72 64 '>R:\|  Bars|  TC'
browse 120 1 2 ListBox 72 64 'R:\|>  Bars'
browse 450 0 1 ListBox 384 64 '>MY.BAR'
timeout 10 import -window "$dialog" "$shots/file-dialog-browsed.png" || true
click_twips "$dialog" $((5760 + 120)) 4800 1455 375  # "Ok"
wait_gone "$title"
imported "$(printf '%s\n' "[Buttonbar]" 'cmd1=%COMMANDER_DRIVE%\Tools\mouse.exe')"
click_twips "$setup" 240 3240 2655 495  # "Close"
wait_exit "$pid"
echo "1 passed, 0 failed"
