#!/usr/bin/env bash
# end_to_end.sh WINE_RUN PREFIX EXE SCREENSHOT_DIR: starts the Windows program under Wine on the
# X display in DISPLAY, checks that the launcher comes up with its caption, opens each helper
# from its button and closes it again, asks for Help with F1, saves a screenshot of each of the
# four windows, closes the launcher and expects the program to exit with 0.
set -euo pipefail
wine_run=$1 prefix=$2 exe=$3 screenshots=$4
mkdir -p "$screenshots"

fail() {
  echo "end-to-end: $*" >&2
  exit 1
}
source "$(dirname "${BASH_SOURCE[0]}")/../support/x11_windows.sh"

# Saves the window, active, once two captures in a row agree: it has finished painting.
screenshot() {
  local window=$1 file=$2 previous="" current deadline=$((SECONDS + window_timeout_seconds))
  xdotool windowfocus --sync "$window"
  while ((SECONDS < deadline)); do
    import -window "$window" "$file.tmp.png"
    current=$(md5sum <"$file.tmp.png")
    [ "$current" = "$previous" ] && { mv "$file.tmp.png" "$file"; return 0; }
    previous=$current
    sleep 0.2
  done
  fail "window $window kept changing"
}

"$wine_run" "$prefix" "$exe" &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT

launcher=$(wait_for_window "Vardak Entity Helper")

# The launcher's focus starts on "Quit" and comes back to the button that opened a helper, so
# one Tab each time reaches the next numbered button.
for helper in "Classes Calculator:classes" "Spawnteams Calculator:spawnteams" \
              "Fog Settings Helper:fog"; do
  caption=${helper%%:*} name=${helper##*:}
  press "$launcher" Tab space
  window=$(wait_for_window "$caption")
  xdotool search --onlyvisible --name "^Vardak Entity Helper\$" >/dev/null 2>&1 &&
    fail "the launcher stays visible while \"$caption\" is open"
  screenshot "$window" "$screenshots/windows-$name.png"
  press "$window" Escape
  wait_until_gone "$caption"
  launcher=$(wait_for_window "Vardak Entity Helper")
  echo "end-to-end: \"$caption\" opened and closed"
done

# F1 shows the help text in a message box under the program's name; Enter closes it.
press "$launcher" F1
help=$(wait_for_window "VardakEntityHelper")
press "$help" Return
wait_until_gone "VardakEntityHelper"
echo "end-to-end: F1 showed the help and Enter closed it"

# Taken now, when the launcher is active again: without a window manager Wine does not activate
# the first window of a program by itself.
screenshot "$launcher" "$screenshots/windows-launcher.png"
press "$launcher" Escape
status=0
wait "$program" || status=$?
trap - EXIT
[ "$status" -eq 0 ] || fail "the program exited with $status"
echo "end-to-end: the launcher closed and the program exited with 0"
