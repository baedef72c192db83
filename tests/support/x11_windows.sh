# Finding, focusing and waiting for top-level windows on the X display in DISPLAY with xdotool,
# for the scripts that drive a real program. Sourced, not run; the sourcing script defines
# fail MESSAGE. There is no window manager on the tests' Xvfb, so a window is given the keyboard
# focus before keys are sent to it.

window_timeout_seconds=30

# The X window of the visible top-level window with exactly this caption, once it is there.
wait_for_window() {
  local caption=$1 deadline=$((SECONDS + window_timeout_seconds)) window
  while ((SECONDS < deadline)); do
    window=$(xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && { echo "$window"; return 0; }
    sleep 0.1
  done
  fail "no window \"$caption\" within ${window_timeout_seconds} s"
}

wait_until_gone() {
  local caption=$1 deadline=$((SECONDS + window_timeout_seconds))
  while ((SECONDS < deadline)); do
    xdotool search --onlyvisible --name "^${caption}\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window \"$caption\" still open after ${window_timeout_seconds} s"
}

# press WINDOW KEY...: focuses the window and types the keys into it.
press() {
  local window=$1
  shift
  xdotool windowfocus --sync "$window"
  xdotool key "$@"
}
