#!/usr/bin/env bash
# startup.sh [RUNS]: under Wine, the time from start to the first paint of the program's
# launcher against a plain Win32 dialog with the launcher's controls built the same way (medians
# of interleaved runs, target at most 1.1x) and, for reference, against one with a single label;
# and the size of the .exe as shipped (target at most 1.5 MiB). Builds first, as
# scripts/build-windows.sh does.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/windows-common.sh"

runs=${1:-15}
# Wine's services stay between the runs.
start_wine_session

programs=("$windows_build_dir/bench/windows/startup_probe_tool.exe"
          "$windows_build_dir/bench/windows/startup_probe_launcher.exe"
          "$windows_build_dir/bench/windows/startup_probe_label.exe")
milliseconds() {
  local start end
  start=$(date +%s%N)
  "$wine_run" "$wine_prefix" "$1" || { echo "$1 did not end cleanly" >&2; exit 1; }
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for program in "${programs[@]}"; do milliseconds "$program" >/dev/null; done  # warm caches
times=("" "" "")
for ((run = 0; run < runs; ++run)); do
  for index in 0 1 2; do
    times[index]+="$(milliseconds "${programs[index]}")"$'\n'
  done
done
tool=$(printf '%s' "${times[0]}" | median)
launcher=$(printf '%s' "${times[1]}" | median)
label=$(printf '%s' "${times[2]}" | median)
size=$(stat -c %s "$(windows_package_dir)/VardakEntityHelper.exe")
echo "medians of $runs runs under Wine, start to first paint:"
echo "  Vardak Entity Helper                             $tool ms"
echo "  plain Win32 dialog with the launcher's controls  $launcher ms"
echo "  plain Win32 dialog with one label                $label ms"
awk -v t="$tool" -v a="$launcher" -v l="$label" 'BEGIN {
  printf "startup/plain-launcher: %.2fx (target 1.1x)\n", t / a
  printf "startup/one-label: %.2fx (for reference)\n", t / l
}'
awk -v s="$size" 'BEGIN { printf "VardakEntityHelper.exe %.0f KiB = %.2f MiB (target 1.5 MiB)\n", s / 1024, s / 1048576 }'
