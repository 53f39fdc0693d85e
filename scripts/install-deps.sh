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
[ -f /usr/share/i18n/locales/es_ES ] || need+=(locales)
# The installer is tested under English, Spanish and French user locales, which Wine takes from
# the system's locales.
locales=()
for l in en_GB es_ES fr_FR; do
  locale -a 2>/dev/null | grep -x "$l.utf8" >/dev/null || locales+=("$l")
done
[ ${#need[@]} -eq 0 ] && [ ${#locales[@]} -eq 0 ] && exit 0
[ ${#need[@]} -eq 0 ] || mapfile -t need < <(printf '%s\n' "${need[@]}" | sort -u)
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
