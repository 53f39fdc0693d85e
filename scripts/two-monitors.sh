#!/usr/bin/env bash
# Runs a command on a virtual X display with two monitors side by side, as xvfb-run does with
# one: [1920x1080 primary at 0,0][1280x1024 at 1920,0]. Xvfb cannot place two heads apart, so
# this starts Xorg with the dummy driver, lays the heads out with xrandr, runs the command with
# DISPLAY set, stops Xorg and returns the command's status. The outputs are DUMMY0 and DUMMY1:
# `xrandr --output DUMMY1 --off` drops the second monitor while the command runs. Wine 8 sees
# such a change within a tenth of a second but sends no WM_DISPLAYCHANGE, and its wineserver
# crashes on the way out unless the first layout is back by then, leaving services.exe and the
# rest of the prefix running: put it back (`xrandr --output DUMMY1 --mode 1280x1024 --pos
# 1920x0`) before the last Wine program of the prefix ends.
# Usage: scripts/two-monitors.sh COMMAND [ARGS...]
set -euo pipefail
[ $# -gt 0 ] || {
  echo "usage: $0 COMMAND [ARGS...]" >&2
  exit 2
}
dir="$(mktemp -d)"
xorg=""
stop() {
  if [ -n "$xorg" ]; then
    kill "$xorg" 2>/dev/null || true
    wait "$xorg" 2>/dev/null || true
  fi
  rm -rf "$dir"
}
trap stop EXIT
trap 'exit 143' TERM INT HUP

cat >"$dir/xorg.conf" <<'EOF'
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 4000 2000
  EndSubSection
EndSection
EOF

# The first display number from 99 up that no server holds, as xvfb-run -a picks it.
n=99
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xorg ":$n" -config "$dir/xorg.conf" -noreset -nolisten tcp -logfile "$dir/xorg.log" \
  >/dev/null 2>&1 &
xorg=$!
export DISPLAY=":$n"
deadline=$((SECONDS + 15))
until xrandr >/dev/null 2>&1; do
  if ! kill -0 "$xorg" 2>/dev/null || [ "$SECONDS" -ge "$deadline" ]; then
    echo "Xorg did not start on :$n" >&2
    cat "$dir/xorg.log" >&2 || true
    exit 1
  fi
  sleep 0.1
done
xrandr --addmode DUMMY1 1280x1024
xrandr --output DUMMY0 --mode 1920x1080 --pos 0x0 --primary \
  --output DUMMY1 --mode 1280x1024 --pos 1920x0
# Wine reads the heads from the server's current resources, which after the layout above still
# hold one head until some client asks the server again: without this query Wine sees one monitor.
xrandr >/dev/null
status=0
"$@" || status=$?
exit "$status"
