#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the preview need, when missing.
# As root it runs apt-get; otherwise it prints the one line to run and stops.
set -euo pipefail
need=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || need+=(cmake)
have g++ || need+=(g++)
have clang++ || need+=(clang)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 ||
  need+=(libclang-rt-dev)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64)
have wine || need+=(wine)
have wine64 || [ -x /usr/lib/wine/wine64 ] || need+=(wine64)
have Xvfb || need+=(xvfb)
have xvfb-run || need+=(xvfb)
have xauth || need+=(xauth)
have xdotool || need+=(xdotool)
have convert || need+=(imagemagick)
have makensis || need+=(nsis)
[ -d /usr/share/wine/fonts ] || need+=(fonts-wine)
[ ${#need[@]} -eq 0 ] && exit 0
mapfile -t need < <(printf '%s\n' "${need[@]}" | sort -u)
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run:"
  echo "  sudo apt-get install -y ${need[*]}"
  exit 1
fi
echo "Installing: ${need[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${need[@]}" >/dev/null
