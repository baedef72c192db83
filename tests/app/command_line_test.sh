#!/usr/bin/env bash
# The program's command line: --help and --version answer without a display, an unknown option
# and a missing display each say so in one line with their own exit code, Qt's options still
# work. Usage: command_line_test.sh PROGRAM
set -u
program=$1
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime

# Runs the program with the environment and arguments given; sets out, err and rc. A run that
# starts the launcher instead of answering is ended after a while (rc 124).
run() {
  out=$(timeout 20 env "$@" 2>"$runtime/err")
  rc=$?
  err=$(cat "$runtime/err")
}

run -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version
[ "$rc" = 0 ] && [ "$out" = "vardak-entity-helper 1.0.0.1" ] || fail "--version: rc $rc, '$out'"

run -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" -platform offscreen --help
[ "$rc" = 0 ] && [[ "$out" == "Usage: vardak-entity-helper "*"--version"* ]] ||
  fail "--help: rc $rc, '$out'"

run -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
[ "$rc" = 1 ] && [ "$(printf '%s\n' "$err" | wc -l)" = 1 ] &&
  [[ "$err" == "vardak-entity-helper: no display"* ]] || fail "no display: rc $rc, '$err'"

run -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:98765 "$program"
[ "$rc" = 1 ] && [ "$(printf '%s\n' "$err" | wc -l)" = 1 ] || fail "dead display: rc $rc, '$err'"

# Refused before Qt starts, so the same with a display and without one.
for display in QT_QPA_PLATFORM=offscreen "-u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY"; do
  for argument in --bogus -x extra -platform=offscreen -reverse=1; do
    run $display "$program" -style fusion "$argument"
    [ "$rc" = 2 ] && [ "$(printf '%s\n' "$err" | wc -l)" = 1 ] && [[ "$err" == *"'$argument'"* ]] ||
      fail "$argument ($display): rc $rc, '$err'"
  done
  run $display "$program" -reverse -platform
  [ "$rc" = 2 ] && [[ "$err" == *"'-platform' needs a value"* ]] || fail "-platform alone: rc $rc, '$err'"
done

# Qt's options in both spellings, and with their values attached where Qt takes that, start it.
run QT_QPA_PLATFORM=offscreen "$program" --platform offscreen -style=fusion -widgetcount --version
[ "$rc" = 0 ] || fail "Qt's options: rc $rc, '$err'"

exit $((failures > 0))
