#!/usr/bin/env bash
# Starts build/win/Tervalo.exe under Wine. On the current display when there is one; otherwise
# on a virtual display, where it drives a short tour and saves screenshots in build/tour/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
exe="$root/build/win/Tervalo.exe"
prefix="$("$root/scripts/wine-prefix.sh" run)"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="

if [ "${1:-}" != "--tour" ]; then
  if [ -n "${DISPLAY:-}" ]; then
    exec wine "$exe"
  fi
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" --tour
fi

tour() {
  local out="$root/build/tour"
  rm -rf "$out"
  mkdir -p "$out"
  wine "$exe" >/dev/null 2>&1 &
  # Wait for the splash window, then photograph the animation and what follows it.
  for _ in $(seq 1 300); do
    xdotool search --onlyvisible --class tervalo.exe >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 0.2
  import -window root "$out/01-splash-starting.png"
  sleep 0.9
  import -window root "$out/02-splash-name-and-bars.png"
  sleep 2
  import -window root "$out/03-after-hand-over.png"
  # Rest on the top-right corner pixel: the bar opens, the clock panel shows.
  xdotool mousemove 1919 0
  sleep 1
  import -window root "$out/04-bar-open.png"
  xdotool mousemove 1860 430
  sleep 0.5
  import -window root "$out/05-tile-highlighted.png"
  xdotool mousemove 900 500
  sleep 0.5
  import -window root "$out/06-bar-collapsed.png"
  # A right click on the open bar's background: the configuration window.
  xdotool mousemove 1919 0
  sleep 1
  xdotool mousemove 1860 12 click 3
  sleep 1
  import -window root "$out/07-configuration.png"
  # The font chooser of its command grid.
  xdotool mousemove 1815 858 click 1
  sleep 0.5
  import -window root "$out/08-configuration-font.png"
  wineserver -k || true
  echo "Screenshots in $out:"
  ls "$out"
}
tour
