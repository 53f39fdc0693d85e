#!/usr/bin/env bash
# install-deps.sh asks for the package of every command the scripts run. On a machine where
# something else stands in for ImageMagick's convert, the tour's import is still missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="$(mktemp -d)"
trap 'rm -rf "$bin"' EXIT
# Every command the scripts run, and those the check itself uses, but import.
for cmd in cmake g++ x86_64-w64-mingw32-g++-posix clang++ wine wineboot wine64 wineserver \
  xvfb-run Xvfb xauth Xorg xrandr xdotool convert pgrep makensis locale grep ls id sort; do
  real="$(command -v "$cmd" 2>/dev/null || true)"
  if [ -n "$real" ]; then ln -s "$real" "$bin/$cmd"; else ln -s /bin/true "$bin/$cmd"; fi
done
status=0
out="$(PATH="$bin" /bin/bash "$root/scripts/install-deps.sh" --check)" || status=$?
echo "$out"
[ "$status" -eq 1 ] || { echo "expected status 1, got $status"; exit 1; }
echo "$out" | grep -qw imagemagick || { echo "imagemagick not asked for"; exit 1; }
rm "$bin/pgrep"
out="$(PATH="$bin" /bin/bash "$root/scripts/install-deps.sh" --check)" || true
echo "$out" | grep -qw procps || { echo "procps not asked for"; exit 1; }
echo "ok"
