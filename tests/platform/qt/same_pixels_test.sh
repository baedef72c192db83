#!/usr/bin/env bash
# The screenshot program gives the same pixels on the platform the tests run on (a Wayland
# compositor, say) as offscreen, for all four windows: same_pixels_test.sh SCREENSHOT_PROGRAM
set -u
screenshot=$1
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
failures=0
for window in launcher classes spawnteams fog; do
  "$screenshot" "$window" "$shots/here-$window.png" 2>/dev/null &&
    QT_QPA_PLATFORM=offscreen "$screenshot" "$window" "$shots/offscreen-$window.png" 2>/dev/null ||
    { echo "FAILED: no screenshot of $window"; failures=$((failures + 1)); continue; }
  cmp -s "$shots/here-$window.png" "$shots/offscreen-$window.png" ||
    { echo "FAILED: $window differs on ${QT_QPA_PLATFORM:-the default platform}"; failures=$((failures + 1)); }
done
exit $((failures > 0))
