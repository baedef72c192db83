#!/usr/bin/env bash
# dpi_check.sh WINE_RUN PREFIX TESTS_EXE: runs the program-dialog tests of TESTS_EXE (each dialog
# built as its template says, no text clipped) under Wine at 96, 120, 144 and 192 DPI, in PREFIX,
# a prefix of its own whose DPI it sets, and checks that each dialog's client size grows in
# proportion to the DPI, within 10 %.
set -euo pipefail
wine_run=$1 prefix=$2 tests=$3

fail() {
  echo "dpi: $*" >&2
  exit 1
}

"$wine_run" "$prefix"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver="$(dirname "$(readlink -f "$wine")")/wineserver"
results=$(mktemp -d)
trap 'WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true; rm -rf "$results"' EXIT

for dpi in 96 120 144 192; do
  WINEPREFIX=$prefix WINEDEBUG=-all "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
    /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  # Wine reads the setting when its server starts.
  WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true
  WINEPREFIX=$prefix "$wineserver" -w 2>/dev/null || true
  "$wine_run" "$prefix" "$tests" --gtest_filter='EachOne/ProgramDialog.*' \
    --gtest_output="xml:Z:$results/$dpi.xml" >"$results/$dpi.log" 2>&1 ||
    { cat "$results/$dpi.log" >&2; fail "the dialogs at $dpi DPI failed their tests"; }
  grep -o 'name="client_size" value="[0-9x]*"' "$results/$dpi.xml" |
    sed 's/.*value="//; s/"//' >"$results/$dpi.sizes"
  [ "$(wc -l <"$results/$dpi.sizes")" -eq 4 ] || fail "no sizes of the four dialogs at $dpi DPI"
  # Each line: the size at 96 DPI, then at this one.
  paste -d x "$results/96.sizes" "$results/$dpi.sizes" | awk -F x -v dpi="$dpi" '
    { scale = dpi / 96
      printf "dpi: %d DPI, dialog %d: %dx%d (%.2fx, %.2fx)\n", dpi, NR, $3, $4, $3 / $1, $4 / $2
      if ($3 < 0.9 * scale * $1 || $3 > 1.1 * scale * $1 ||
          $4 < 0.9 * scale * $2 || $4 > 1.1 * scale * $2) bad = 1 }
    END { exit bad }' || fail "a dialog does not grow in proportion at $dpi DPI"
done
echo "dpi: every dialog grows with the DPI, nothing clipped"
