#!/usr/bin/env bash
# First the bar's settings load with the Win32 backend on files of 36, 10 000 and 100 000 lines,
# alone on the machine, and the ratio of the last two ("settings load ratio ...": about 10 when
# the load grows linearly; it stops after LOAD_SECONDS, 240 by default). Then the cost of the
# idle bar under Wine against a bare 10-ms-timer program, side by side in three windows of
# IDLE_SECONDS each (the median ratio), each in its own prefix with its own wineserver counted
# in; then the resident memory of the bar after 200 open-close cycles driven by the pointer
# against after the first; last the same for the
# configuration window, opened by a right click on the bar and closed by a click outside. Those
# clicks come from a program of the bar's own Wine desktop (config_cycles.exe), which waits for
# each step's effect: a click that the X server gives to no window of Wine (the desktop outside
# the window) never reaches a Wine program.
# The last three lines: "idle CPU ratio: R", "memory growth: N KiB" and "configuration window
# memory growth: N KiB".
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ -z "${DISPLAY:-}" ] || [ "${1:-}" != "--inside" ]; then
  cmake --build "$root/build/win" -j2 --target settings_load_bench config_cycles >/dev/null
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" --inside
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
seconds="${IDLE_SECONDS:-20}"
cycles="${CYCLES:-200}"
load_seconds="${LOAD_SECONDS:-240}"
load_prefix="$("$root/scripts/wine-prefix.sh" bench-load)"
bar_prefix="$("$root/scripts/wine-prefix.sh" bench-bar)"
base_prefix="$("$root/scripts/wine-prefix.sh" bench-base)"

# CPU ticks of every process of a prefix, its wineserver included.
prefix_ticks() {
  local prefix="$1" total=0 pid
  for pid in $(ls /proc | grep -E '^[0-9]+$'); do
    if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then
      local stat
      stat=$(cat "/proc/$pid/stat" 2>/dev/null) || continue
      stat="${stat##*) }"
      set -- $stat
      total=$((total + ${12} + ${13}))
    fi
  done
  echo "$total"
}

program_pid() {
  local prefix="$1" name="$2" pid
  for pid in $(pgrep -f "$name" || true); do
    if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then
      echo "$pid"
      return
    fi
  done
}

rss_kib() { awk '/VmRSS/ {print $2}' "/proc/$1/status"; }

cleanup() {
  WINEPREFIX="$load_prefix" wineserver -k 2>/dev/null || true
  WINEPREFIX="$bar_prefix" wineserver -k 2>/dev/null || true
  WINEPREFIX="$base_prefix" wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

# The settings load. Its output goes to a file (Wine writes CR LF); the lines appear as each
# size is done, so a load that does not finish in time still shows the sizes it did.
load_log="$root/build/win/settings-load.log"
load_status=0
WINEPREFIX="$load_prefix" timeout "$load_seconds" \
  wine "$root/build/win/settings_load_bench.exe" >"$load_log" 2>&1 || load_status=$?
WINEPREFIX="$load_prefix" wineserver -k 2>/dev/null || true
tr -d '\r' <"$load_log" | grep '^settings load' || true
if [ "$load_status" -ne 0 ]; then
  echo "settings load: stopped after ${load_seconds} s or failed (status $load_status)"
fi

xdotool mousemove 960 540
WINEPREFIX="$bar_prefix" wine "$root/build/win/Tervalo.exe" >/dev/null 2>&1 &
WINEPREFIX="$base_prefix" wine "$root/build/win/idle_baseline.exe" >/dev/null 2>&1 &
sleep 6  # start-up, the splash and its hand-over
bar_pid="$(program_pid "$bar_prefix" Tervalo.exe)"
[ -n "$bar_pid" ] || { echo "Tervalo.exe did not start"; exit 1; }

# One window swings by a tenth or more on a busy machine: three windows, the bar and the bare
# program side by side in each, and the median of their ratios.
hz=$(getconf CLK_TCK)
ratios=()
for window in 1 2 3; do
  bar0=$(prefix_ticks "$bar_prefix")
  base0=$(prefix_ticks "$base_prefix")
  sleep "$seconds"
  bar_cpu=$(($(prefix_ticks "$bar_prefix") - bar0))
  base_cpu=$(($(prefix_ticks "$base_prefix") - base0))
  ratios+=("$(awk -v a="$bar_cpu" -v b="$base_cpu" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')")
  echo "idle window $window: bar $bar_cpu ticks, bare timer program $base_cpu ticks in ${seconds} s" \
    "(${hz} ticks/s): ratio ${ratios[-1]}"
done
idle_ratio="$(printf '%s\n' "${ratios[@]}" | sort -n | sed -n 2p)"

open_close() {
  xdotool mousemove 1919 0
  sleep 0.75
  xdotool mousemove 960 540
  sleep 0.3
}
open_close
first=$(rss_kib "$bar_pid")
for _ in $(seq 2 "$cycles"); do open_close; done
last=$(rss_kib "$bar_pid")
echo "resident memory: $first KiB after the first cycle, $last KiB after $cycles"

config_cycles() {
  WINEPREFIX="$bar_prefix" wine "$root/build/win/config_cycles.exe" "$1" 2>&1 | tr -d '\r' || true
}
config_cycles 1
config_first=$(rss_kib "$bar_pid")
config_cycles $((cycles - 1))
config_last=$(rss_kib "$bar_pid")
echo "resident memory: $config_first KiB after the first configuration window, $config_last KiB after $cycles"
echo "idle CPU ratio: $idle_ratio (the median of ${ratios[*]})"
echo "memory growth: $((last - first)) KiB"
echo "configuration window memory growth: $((config_last - config_first)) KiB"
