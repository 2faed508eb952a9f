#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  xvfb xauth xdotool x11-utils wmctrl openbox faketime x11-apps imagemagick
  clang libclang-rt-14-dev valgrind
  desktop-file-utils appstream dpkg-dev
  at-spi2-core python3-pyatspi dbus-daemon dbus-bin
  g++-mingw-w64-x86-64-posix wine wine64 googletest locales   # the Windows build, tested under Wine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
