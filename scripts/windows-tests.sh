#!/usr/bin/env bash
# Builds the Windows parts with mingw-w64 (build/win, or $YRK_WIN_BUILD) and
# runs their tests under Wine: the unit tests, the differential check of the
# profile functions, the back end's window tests and end-to-end scripts on
# yoruka.exe, and the pixels of its window against the Linux build's. Wine lives in a prefix of the build's own; its
# first start takes a few seconds. The check needs a Japanese locale, for
# code page 932.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  $sudo locale-gen >/dev/null
fi

build=${YRK_WIN_BUILD:-build/win}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release --toolchain cmake/mingw-w64.cmake >/dev/null
cmake --build "$build" -j 2
WINEPREFIX=$(realpath -m "$build/wineprefix") bash tests/support/wine-prefix.sh
ctest --test-dir "$build" --output-on-failure

# The Windows window against the Linux one, pixel for pixel, at 100 %, 125 %,
# 150 % and 200 %, where a Linux build is at hand (scripts/test.sh has just
# made one).
linux=${YRK_LINUX_BUILD:-build/asan}/app/yoruka
if [ -x "$linux" ]; then
  mkdir -p "$build/pixels"
  for scale in 1 1.25 1.5 2; do
    bash tests/compare/windows_pixels.sh "$linux" "$build/app/yoruka.exe" "$build/pixels" "$scale"
  done
fi
