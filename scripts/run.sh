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
  wineserver -k || true
  echo "Screenshots in $out:"
  ls "$out"
}
tour
