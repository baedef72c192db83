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

# Runs the program with the environment and arguments given; sets out, err and rc.
run() {
  out=$(env "$@" 2>"$runtime/err")
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

for argument in --bogus -x extra; do
  run QT_QPA_PLATFORM=offscreen "$program" -platform offscreen "$argument"
  [ "$rc" = 2 ] && [ "$(printf '%s\n' "$err" | wc -l)" = 1 ] && [[ "$err" == *"'$argument'"* ]] ||
    fail "$argument: rc $rc, '$err'"
done

exit $((failures > 0))
