#!/usr/bin/env bash
# Start-up of the tool against two anchors, offscreen and on a real X server (Xvfb, installed
# when missing), each the median of RUNS interleaved runs (21 by default): bench/startup.sh [RUNS].
# The anchors: a plain Qt dialog with the launcher's own controls in the same places (the one a
# user would compare with), and a Qt dialog with one label (the floor, for reference). Prints
# last, for each, the larger ratio of the two platforms:
# startup/plain-launcher: time T.TTx rss R.RRx
# startup/one-label: time T.TTx rss R.RRx
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
runs=${1:-21}

ensure_packages "${required_packages[@]}" xvfb xauth
configure_build "$build_dir"
cmake --build "$build_dir" --target startup_bench
bench=("$build_dir/bench/startup_bench" "$runs" "$build_dir/bench/startup_probe_tool"
  "plain-launcher=$build_dir/bench/startup_probe_launcher"
  "one-label=$build_dir/bench/startup_probe_text")

offscreen=$(env QT_QPA_PLATFORM=offscreen "${bench[@]}")
x11=$(xvfb-run -a -s '-screen 0 1280x1024x24' env QT_QPA_PLATFORM=xcb "${bench[@]}")
printf '%s\n%s\n' "$offscreen" "$x11"
# The larger of the two ratios, for time and for memory, per anchor.
printf '%s\n%s\n' "$offscreen" "$x11" | awk '/^startup\// {
    t = substr($3, 1, length($3) - 1) + 0; r = substr($5, 1, length($5) - 1) + 0
    if (!($1 in time)) order[++n] = $1
    if (t > time[$1]) time[$1] = t; if (r > rss[$1]) rss[$1] = r }
  END { for (i = 1; i <= n; ++i) printf "%s time %.2fx rss %.2fx\n", order[i], time[order[i]], rss[order[i]] }'
