#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the preview need, when missing: one check
# for every command the Makefile and the scripts call that a fresh Debian may lack.
# As root it runs apt-get; otherwise it prints the one line to run and stops. With --check it
# only prints what is missing.
set -euo pipefail
check_only=false
[ "${1:-}" = "--check" ] && check_only=true
need=()
have() { command -v "$1" >/dev/null 2>&1; }
# needs COMMAND PACKAGE: PACKAGE is installed when COMMAND is missing.
needs() { have "$1" || need+=("$2"); }

# The build and the native tests.
needs cmake cmake
needs g++ g++
needs x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
# make fuzz.
needs clang++ clang
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 ||
  need+=(libclang-rt-dev)
# Wine: wine-prefix.sh (wine, wineboot, wineserver, Wine's fonts), wine-test.sh, run.sh, bench.sh.
needs wine wine
needs wineboot wine
have wine64 || [ -x /usr/lib/wine/wine64 ] || need+=(wine64)
needs wineserver wine64
[ -d /usr/share/wine/fonts ] || need+=(fonts-wine)
# The virtual display: xvfb-run starts Xvfb and needs xauth.
needs xvfb-run xvfb
needs Xvfb xvfb
needs xauth xauth
# two-monitors.sh: Xorg with the dummy driver, its heads laid out with xrandr.
needs Xorg xserver-xorg-core
[ -f /usr/lib/xorg/modules/drivers/dummy_drv.so ] || need+=(xserver-xorg-video-dummy)
needs xrandr x11-xserver-utils
# run.sh moves the pointer and takes screenshots with ImageMagick's import; bench.sh moves the
# pointer and finds the programs with pgrep.
needs xdotool xdotool
needs import imagemagick
needs pgrep procps
# make installer.
needs makensis nsis
# The installer is tested under English, Spanish and French user locales, which Wine takes from
# the system's locales.
[ -f /usr/share/i18n/locales/es_ES ] || need+=(locales)
locales=()
for l in en_GB es_ES fr_FR; do
  locale -a 2>/dev/null | grep -x "$l.utf8" >/dev/null || locales+=("$l")
done

[ ${#need[@]} -eq 0 ] && [ ${#locales[@]} -eq 0 ] && exit 0
[ ${#need[@]} -eq 0 ] || mapfile -t need < <(printf '%s\n' "${need[@]}" | sort -u)
if $check_only; then
  echo "Missing packages: ${need[*]}"
  [ ${#locales[@]} -eq 0 ] || echo "Missing locales: ${locales[*]}"
  exit 1
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages or locales. Run:"
  [ ${#need[@]} -eq 0 ] || echo "  sudo apt-get install -y ${need[*]}"
  for l in "${locales[@]}"; do echo "  sudo localedef -i $l -f UTF-8 $l.UTF-8"; done
  exit 1
fi
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${need[@]}" >/dev/null
fi
for l in "${locales[@]}"; do localedef -i "$l" -f UTF-8 "$l.UTF-8"; done
