# Sourced by the window tests: waiting for windows and clicking at twips.

# wait_for_window REGEX [SECONDS]: prints the first window whose name matches.
wait_for_window() {
  local regex="$1" tries=$(( ${2:-60} * 10 )) window=""
  for _ in $(seq 1 "$tries"); do
    window="$(xdotool search --name "$regex" 2>/dev/null | head -n 1 || true)"
    [ -n "$window" ] && { echo "$window"; return 0; }
    sleep 0.1
  done
  echo "FAIL: no window named $regex" >&2
  return 1
}

# wait_gone REGEX: waits until no window matches.
wait_gone() {
  for _ in $(seq 1 600); do
    xdotool search --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  echo "FAIL: window $1 stays" >&2
  return 1
}

# click_twips WINDOW LEFT TOP WIDTH HEIGHT: clicks the middle of a control
# given in twips (15 to the pixel at 96 dpi).
click_twips() {
  xdotool mousemove --window "$1" $(( ($2 + $4 / 2) / 15 )) $(( ($3 + $5 / 2) / 15 )) click 1
}

# answer REGEX KEY: waits for a message box and presses a key in it.
answer() {
  local box
  box="$(wait_for_window "$1")" || return 1
  sleep 0.2
  xdotool key --window "$box" "$2"
  wait_gone "$1"
}

# wait_exit PID: waits up to a minute for a process to end.
wait_exit() {
  for _ in $(seq 1 600); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  echo "FAIL: the program did not end" >&2
  return 1
}
