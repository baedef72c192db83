#!/usr/bin/env bash
# Builds the Windows program and its tests, then runs them under Wine on an Xvfb of its own:
# every test suite through CTest, the dialogs at four DPIs, then the real program end to end.
# With VEH_UPDATE_SCREENSHOTS=1 the end-to-end run refreshes docs/screenshots/windows-*.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/windows-common.sh"

start_wine_session

# One test at a time: the tests share the clipboard.
ctest --test-dir "$windows_build_dir" --output-on-failure

# The dialogs at 96, 120, 144 and 192 DPI, in a prefix of their own.
"$repo_root/tests/windows/dpi_check.sh" "$wine_run" "$windows_build_dir/wineprefix-dpi" \
  "$windows_build_dir/tests/platform/win32/win32_backend_tests.exe"

screenshots="$windows_build_dir/screenshots"
[ "${VEH_UPDATE_SCREENSHOTS:-0}" = 1 ] && screenshots="$repo_root/docs/screenshots"
"$repo_root/tests/windows/end_to_end.sh" "$wine_run" "$wine_prefix" \
  "$(windows_package_dir)/VardakEntityHelper.exe" "$screenshots"
