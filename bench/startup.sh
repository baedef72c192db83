#!/usr/bin/env bash
# Start-up of the tool against a Qt dialog with one label, offscreen and on a real X server
# (Xvfb, installed when missing), each the median of RUNS interleaved runs (21 by default):
# bench/startup.sh [RUNS]. Prints last the larger ratio of the two platforms:
# startup/one-label: time T.TTx rss R.RRx
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
runs=${1:-21}

ensure_packages "${required_packages[@]}" xvfb xauth
configure_build "$build_dir"
cmake --build "$build_dir" --target startup_bench
bench=("$build_dir/bench/startup_bench" "$build_dir/bench/startup_probe_tool"
  "$build_dir/bench/startup_probe_text" "$runs")

offscreen=$(env QT_QPA_PLATFORM=offscreen "${bench[@]}")
x11=$(xvfb-run -a -s '-screen 0 1280x1024x24' env QT_QPA_PLATFORM=xcb "${bench[@]}")
printf '%s\n%s\n' "$offscreen" "$x11"
# The larger of the two ratios, for time and for memory.
printf '%s\n%s\n' "$offscreen" "$x11" | awk '/^startup\/one-label:/ {
    t = substr($3, 1, length($3) - 1) + 0; r = substr($5, 1, length($5) - 1) + 0
    if (t > time) time = t; if (r > rss) rss = r }
  END { printf "startup/one-label: time %.2fx rss %.2fx\n", time, rss }'
