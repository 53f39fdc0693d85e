#!/usr/bin/env bash
# The includes read bottom to top: forms, platform, core, the windows (bar, clock, config), app.
# A file includes its own layer and those below it, never a sibling window's folder; only the
# Win32 layer and the app include <windows.h>.
set -euo pipefail
src="$(cd "$(dirname "$0")/../../src" && pwd)"
rank() {
  case "$1" in
    forms) echo 0 ;; platform) echo 1 ;; core) echo 2 ;; bar | clock | config) echo 3 ;; app) echo 4 ;;
    *) echo 9 ;;
  esac
}
status=0
while IFS=: read -r file inc; do
  from="${file#"$src"/}"
  from="${from%%/*}"
  to="$(sed -E 's/.*#include "([a-z_0-9]+)\/.*/\1/' <<<"$inc")"
  if [ "$(rank "$to")" -gt "$(rank "$from")" ] ||
    { [ "$(rank "$from")" -eq 3 ] && [ "$(rank "$to")" -eq 3 ] && [ "$to" != "$from" ]; }; then
    echo "${file#"$src"/} includes $to/: an arrow pointing up or sideways"
    status=1
  fi
done < <(grep -rHE '#include "[a-z_0-9]+/' "$src")
while IFS= read -r file; do
  case "${file#"$src"/}" in platform/win32/* | app/*) ;; *)
    echo "${file#"$src"/} includes <windows.h>"
    status=1
    ;;
  esac
done < <(grep -rlE '#include <windows.h>' "$src")
exit "$status"
