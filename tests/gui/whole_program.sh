#!/usr/bin/env bash
# The real Ambler.exe driven through its windows on drive Q: (what each button does is checked
# in-process; this is the Win32 binding under a real display: clicks, typing, modal windows,
# focus), with the README's screenshots: "/?" beside planted DLLs, a first start (a plugin
# renamed, saved, shortcuts), then "/setup" ("Browse Ini File", and a bar imported through the
# file dialog browsed by mouse).
# Usage: whole_program.sh AMBLER_EXE STANDIN_EXE SCREENSHOT_DIR PLANTED_DLL
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
[ -n "${DISPLAY:-}" ] || { echo "no X display: run through scripts/test"; exit 1; }
source "$root/scripts/wine-env"
source "$root/scripts/gui-helpers"
ambler="$1" standin="$2" shots="$3" planted_dll="$4"
mkdir -p "$shots"

work="$(mktemp -d /tmp/ambler-gui-XXXXXX)"
pid=""
end_notepad() { pkill -f 'notepad\.exe Q:\\TC' 2>/dev/null || true; }
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  end_notepad
  rm -f "$WINEPREFIX/dosdevices/q:"
  rm -rf "$work"
}
trap cleanup EXIT
crlf() { printf '%s\r\n' "$@"; }

medium="$work/medium"
mkdir -p "$medium/TC/plugins/wfx/ftp" "$medium/TC/plugins/wlx/view" "$medium/Bars"
cp "$ambler" "$medium/TC/Ambler.exe"
cp "$standin" "$medium/TC/TOTALCMD64.EXE"
crlf "[Configuration]" 'InstallDir=Q:\TC' "[Buttonbar]" 'Buttonbar=Q:\TC\DEFAULT.BAR' > "$medium/TC/wincmd.ini"
crlf "[Demo]" 'localdir=Q:\Downloads' > "$medium/TC/wcx_ftp.ini"
crlf "[Buttonbar]" 'cmd1=Q:\TC\TOTALCMD64.EXE' 'cmd2=Q:\Tools\y.exe' > "$medium/TC/DEFAULT.BAR"
echo companion | tee "$medium/TC/DEFAULT.br1" > "$medium/Bars/MY.br1"
crlf "[Buttonbar]" 'cmd1=Q:\Tools\z.exe' > "$medium/Bars/MY.BAR"
echo plugin | tee "$medium/TC/plugins/wfx/ftp/ftp.wfx" > "$medium/TC/plugins/wlx/view/view.wlx"
ln -sfn "$medium" "$WINEPREFIX/dosdevices/q:"

start() { wine 'Q:\TC\Ambler.exe' "$@" 2>/dev/null & pid=$!; }
finish() { wait_exit "$pid"; pid=""; }
received() {
  for _ in $(seq 1 600); do grep -q TOTALCMD64 "$medium/TC/received.txt" 2>/dev/null && break; sleep 0.1; done
  grep TOTALCMD64 "$medium/TC/received.txt" 2>/dev/null | head -n 1 | tr -d '\r'
}
ini() { tr -d '\r' < "$medium/TC/TC_portable_wincmd.ini"; }

plugins_title='^Plugin Autosearch & Patch$'
# shot WINDOW NAME: a picture for the README, once the controls have painted.
shot() { sleep 0.5; timeout 10 import -window "$1" "$shots/$2.png" || true; }

### 0. "/?" beside DLLs planted under names a window program may load, preferred as Windows would
# (Wine does not for its KnownDLLs): none may be loaded. Left out: DLLs Wine's builtins import
# (ole32, version, msimg32), which Wine then takes from the program's folder whatever it does;
# ole32 is a KnownDLL of Windows, and the others are not loaded.
planted=(comctl32 shell32 urlmon uxtheme dwmapi winmm propsys cryptbase)
for name in "${planted[@]}"; do cp "$planted_dll" "$medium/TC/$name.dll"; done
overrides="$WINEDLLOVERRIDES"
export AMBLER_PLANTED_MARKER='Q:\planted.txt' WINEDLLOVERRIDES="$overrides;$(IFS=,; echo "${planted[*]}")=n,b"
start '/?'
window="$(wait_for_window '^Ambler - Total Commander mobile launcher  V\.1\.4$')"
shot "$window" help-window
click_twips "$window" 240 3240 2655 495  # "Close"
finish
[ ! -e "$medium/planted.txt" ] || fail "$(wc -l < "$medium/planted.txt") planted DLL(s) were loaded"
for name in "${planted[@]}"; do rm "$medium/TC/$name.dll"; done
export WINEDLLOVERRIDES="$overrides"

### 1. First start with a command line; every question answered Yes.
start -d 'Q:\Docs'
window="$(wait_for_window "$plugins_title")"
# A click on ftp's name (row 0) offers to rename it; the first click can reach a window whose
# controls are still being made, so it is repeated until the rename box opens.
box="$(click_until '^Enter Title$' "$window" 1080 360 2055 195)"
shot "$box" rename-box
wait_for_focus 60 '^Enter Title$' Edit || fail "the rename box never takes the focus"
xdotool key --window "$box" ctrl+a 2>/dev/null
xdotool type --window "$box" --delay 20 myftp 2>/dev/null
wait_for_focus 30 '^Enter Title$' Edit '*' '*' myftp || fail "the rename box reads: $(focused '^Enter Title$')"
xdotool key --window "$box" Return 2>/dev/null
wait_gone '^Enter Title$'
click_twips "$window" 120 2160 735 375  # "ALL >>"
shot "$window" plugin-window
click_until '^Save now\?$' "$window" 3360 5520 2055 495 >/dev/null  # "Save to portable - Ini"
answer '^Save now\?$' y
click_until '^Desktop Shortcut\?$' "$window" 5640 5520 2295 495 >/dev/null  # "Cancel"
question="$(wait_for_window '^Desktop Shortcut\?$')"
shot "$question" shortcut-question
answer '^Desktop Shortcut\?$' y
answer '^Ambler$' y  # "Add your Command-Line: ... to the Shortcut?"
finish

expected='Q:\TC\TOTALCMD64.EXE -d Q:\Docs /i=Q:\TC\TC_portable_wincmd.ini /f=Q:\TC\TC_portable_wcx_ftp.ini'
[ "$(received)" = "$expected" ] || fail "Total Commander received: $(received)"
for line in 'myftp=%COMMANDER_PATH%\plugins\wfx\ftp\ftp.wfx' '0=%COMMANDER_PATH%\plugins\wlx\view\view.wlx'; do
  grep -qxF "$line" <<<"$(ini)" || fail "the portable ini lacks $line: $(ini)"
done

### 2. "/setup".
start /setup
answer '^Desktop Shortcut\?$' n
setup="$(wait_for_window '^Ambler - Total Commander mobile launcher$')"
shot "$setup" setup-window

# "Browse Ini File" shows the portable ini in Notepad, never in a notepad.exe on the stick.
cp "$standin" "$medium/TC/notepad.exe"
window="$(click_until "$plugins_title" "$setup" 240 2520 2655 495)"  # "Import Plugins"
click_until 'TC_portable_wincmd.*Notepad' "$window" 1200 5520 1695 495 >/dev/null  # "Browse Ini File"
# Ended by its process: destroying its X window would leave it running.
end_notepad
wait_gone 'TC_portable_wincmd.*Notepad'
grep -qi notepad "$medium/TC/received.txt" && fail "the notepad.exe on the stick was started"
click_twips "$window" 5640 5520 2295 495  # "Cancel"
wait_gone "$plugins_title"

# Without a portable bar, the file dialog, pinned on top, browsed by mouse alone: up to Q:\
# (row 0 of the directory list), into Bars (row 1), the bar (row 0 of the file list), "Ok".
rm "$medium/TC/TC_portable_Default.bar" "$medium/TC/TC_portable_Default.br1"
title='^Please import - ButtonBar File'
dialog="$(click_until "$title" "$setup" 240 1320 2655 495)"
pinned() { xprop -id "$dialog" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }
for _ in $(seq 1 100); do pinned && break; sleep 0.1; done
pinned || fail "the dialog is not pinned on top"
# Ready once its first control has the focus: a click before that can get lost.
wait_for_focus 60 "$title" ComboBox || fail "the dialog never takes the focus"
shot "$dialog" file-dialog
# browse LEFT ROW CLICKS FOCUS...: clicks a row (13 pixels high) until the focus shows FOCUS.
browse() {
  local x="$1" y=$(( (960 + 30 + $2 * 195) / 15 + 6 )) clicks="$3"
  shift 3
  for _ in $(seq 1 10); do
    xdotool mousemove --window "$dialog" "$x" "$y" click --repeat "$clicks" --delay 80 1 2>/dev/null
    wait_for_focus 5 "$title" "$@" && return 0
  done
  fail "the dialog shows: $(focused "$title")"
}
browse 120 0 2 ListBox 72 64 '>Q:\|  Bars|  TC'
browse 120 1 2 ListBox 72 64 'Q:\|>  Bars'
browse 450 0 1 ListBox 384 64 '>MY.BAR'
shot "$dialog" file-dialog-browsed
click_twips "$dialog" $((5760 + 120)) 4800 1455 375  # "Ok"
wait_gone "$title"
for _ in $(seq 1 600); do [ -s "$medium/TC/TC_portable_Default.br1" ] && break; sleep 0.1; done
[ "$(tr -d '\r' < "$medium/TC/TC_portable_Default.bar")" = "$(printf '%s\n' "[Buttonbar]" 'cmd1=%COMMANDER_DRIVE%\Tools\z.exe')" ] ||
  fail "the bar was not imported: $(cat "$medium/TC/TC_portable_Default.bar")"

click_twips "$setup" 240 3240 2655 495  # "Close"
finish
[ "$(grep -c TOTALCMD64 "$medium/TC/received.txt")" = 1 ] || fail "the setup window started Total Commander"

echo "1 passed, 0 failed"
