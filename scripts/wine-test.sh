#!/usr/bin/env bash
# Runs the Windows test program under Wine, on a virtual display when there is none: every test
# at 96 DPI, then the end-to-end tests again at 144 DPI (unless TERVALO_ONLY_96=1).
# Usage: scripts/wine-test.sh path/to/tervalo_win32_tests.exe [gtest args...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
exe="$1"
shift
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$exe" "$@"
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
export LANG=en_US.UTF-8 LC_ALL=
log="$root/build/win/wine-test.log"

run_in() {
  local name="$1" dpi="$2"
  shift 2
  local status=0
  export WINEPREFIX
  WINEPREFIX="$("$root/scripts/wine-prefix.sh" "$name" "$dpi")"
  echo "== Windows tests at $dpi DPI"
  # Output goes to a file: programs the shell opens inherit it and would hold a pipe open.
  wine "$exe" "$@" >"$log" 2>&1 || status=$?
  wineserver -k 2>/dev/null || true
  cat "$log"
  return "$status"
}

run_in test 96 "$@"
[ "${TERVALO_ONLY_96:-}" = 1 ] || run_in test144 144 --gtest_filter='EndToEnd.*' "$@"
