#!/usr/bin/env bash
# Runs the Windows test program under Wine, on a virtual display when there is none.
# Usage: scripts/wine-test.sh path/to/tervalo_win32_tests.exe [gtest args...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
exe="$1"
shift
prefix="$("$root/scripts/wine-prefix.sh" test)"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
export LANG=en_US.UTF-8 LC_ALL=
log="$root/build/win/wine-test.log"
run() {
  # Output goes to a file: programs the shell opens inherit it and would hold a pipe open.
  local status=0
  wine "$exe" "$@" >"$log" 2>&1 || status=$?
  wineserver -k 2>/dev/null || true
  cat "$log"
  return "$status"
}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$exe" "$@"
fi
run "$@"
