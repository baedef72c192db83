#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless: offscreen, the GUI
# tests again on a headless Wayland compositor, everything under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows build under Wine.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${required_packages[@]}" "${test_packages[@]}"

configure_build "$build_dir"
cmake --build "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
# Qt 6.4's Wayland client once aborted in libwayland (wl_proxy_unref) amid the soak's 600
# openings and never again in 16 runs: a test that fails there gets one more try.
with_headless_wayland ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" -L gui \
  --repeat until-pass:2

sanitizer_dir="$repo_root/build-sanitize"
configure_build "$sanitizer_dir" -DVEH_SANITIZE=ON -DVEH_BUILD_BENCHMARKS=OFF
cmake --build "$sanitizer_dir"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$sanitizer_dir" --output-on-failure -j "$(nproc)"

"$repo_root/scripts/test-windows.sh"
