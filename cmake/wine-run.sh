#!/usr/bin/env bash
# wine-run.sh PREFIX [PROGRAM [ARGS...]]: runs a Windows program under wine64 in PREFIX, making
# the prefix on first use (and only that without a program). CTest runs every Windows test
# through this (the toolchain's emulator).
set -euo pipefail
prefix=$1
shift

wine=$(command -v wine64 || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64  # where Debian's wine64 package puts it
if [ ! -x "$wine" ]; then
  echo "wine64 is not installed (Debian package wine64)" >&2
  exit 127
fi

export WINEPREFIX=$prefix
# No Mono or Gecko prompts, and no menu entries on the host for shortcuts made in the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG=-all

# The first run makes the prefix; parallel test runs wait for it under the lock.
if [ ! -f "$prefix/.prepared" ]; then
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/.prepared" ]; then
    "$wine" wineboot -i >/dev/null 2>&1
    # A crashing test must fail, not wait for someone to close Wine's crash dialog.
    "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1
    # The dialogs ask for "MS Sans Serif" and Wine draws caption buttons with Marlett: fonts
    # that Debian's fonts-wine ships but that this Wine looks for only in the Windows fonts folder.
    if [ -d /usr/share/wine/fonts ]; then
      cp -n /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
    fi
    # Wine draws the frames itself: with no window manager on the display (Xvfb), a managed
    # window waits two seconds for one each time it hides.
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$(dirname "$wine")/wineserver" -w 2>/dev/null || true
    touch "$prefix/.prepared"
  fi
  flock -u 9
fi

# Wine's services start with the first program and outlive it. Started here, apart, they keep
# no test's output open (CTest reads it to the end) and stay for the next test a while.
server=$(printf 'server-%x-%x' "$(stat -c %d "$prefix")" "$(stat -c %i "$prefix")")
if ! compgen -G "/tmp/.wine-$(id -u)/$server/socket" >/dev/null &&
  ! compgen -G "/tmp/wine-*/$server/socket" >/dev/null; then
  "$(dirname "$(readlink -f "$wine")")/wineserver" -p10 </dev/null >/dev/null 2>&1 || true
  "$wine" wineboot </dev/null >/dev/null 2>&1
fi

[ $# -gt 0 ] || exit 0

# The program's output goes through a file: the Wine desktop process that the program's first
# window starts inherits its output and outlives it by a second, and CTest would wait for it.
output=$(mktemp)
"$wine" "$@" >"$output" 2>&1 &
program=$!
trap 'kill "$program" 2>/dev/null; cat "$output"; rm -f "$output"' TERM INT
status=0
wait "$program" || status=$?
cat "$output"
rm -f "$output"
exit "$status"
