#!/usr/bin/env bash
# Makes (once per build folder) a Wine prefix with Wine's fonts in place, and prints its path.
# Usage: scripts/wine-prefix.sh NAME [DPI]   -> build/wine/NAME
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
name="${1:-default}"
dpi="${2:-96}"
base="$root/build/wine"
template="$base/template"
prefix="$base/$name"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="

if [ ! -f "$template/.ready" ]; then
  rm -rf "$template"
  mkdir -p "$base"
  WINEPREFIX="$template" wineboot -i >/dev/null 2>&1 || true
  WINEPREFIX="$template" wineserver -w || true
  cp /usr/share/wine/fonts/*.ttf "$template/drive_c/windows/Fonts/" 2>/dev/null || true
  touch "$template/.ready"
fi
if [ ! -f "$prefix/.ready" ]; then
  rm -rf "$prefix"
  cp -a "$template" "$prefix"
  if [ "$dpi" != 96 ]; then
    WINEPREFIX="$prefix" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
      /d "$dpi" /f >/dev/null 2>&1
    WINEPREFIX="$prefix" wineserver -w || true
  fi
  touch "$prefix/.ready"
fi
echo "$prefix"
