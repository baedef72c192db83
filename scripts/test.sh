#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless, in passes:
#   offscreen  every suite on Qt's offscreen platform
#   wayland    the GUI suites again on a Wayland compositor of their own, in an Xvfb
#   sanitize   every suite again under AddressSanitizer and UndefinedBehaviorSanitizer
#   windows    the Windows build's suites and the program end to end under Wine
#   release    the files of scripts/release.sh, each installed, started and removed again
# ./scripts/test.sh runs them all; ./scripts/test.sh PASS... only those named (for instance
# `./scripts/test.sh offscreen wayland` for the Linux passes alone).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

all_passes=(offscreen wayland sanitize windows release)
passes=("$@")
((${#passes[@]} > 0)) || passes=("${all_passes[@]}")
for pass in "${passes[@]}"; do
  [[ " ${all_passes[*]} " == *" $pass "* ]] ||
    { echo "No pass '$pass'; the passes are: ${all_passes[*]}" >&2; exit 2; }
done
wanted() { [[ " ${passes[*]} " == *" $1 "* ]]; }

ensure_packages "${required_packages[@]}" "${test_packages[@]}"

if wanted offscreen || wanted wayland; then
  configure_build "$build_dir"
  cmake --build "$build_dir"
fi
if wanted offscreen; then
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
fi
if wanted wayland; then
  with_headless_wayland ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" -L gui
fi
if wanted sanitize; then
  sanitizer_dir="$repo_root/build-sanitize"
  configure_build "$sanitizer_dir" -DVEH_SANITIZE=ON -DVEH_BUILD_BENCHMARKS=OFF
  cmake --build "$sanitizer_dir"
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$sanitizer_dir" --output-on-failure -j "$(nproc)"
fi
if wanted windows; then
  "$repo_root/scripts/test-windows.sh"
fi
if wanted release; then
  "$repo_root/scripts/test-release.sh"
fi
