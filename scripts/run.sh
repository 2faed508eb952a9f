#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds ヨルカ and starts it. Without a display
# it starts the program on a virtual one, saves a screenshot, closes the
# program with Escape and prints where the picture is.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DYRK_TESTS=OFF >/dev/null
cmake --build "$build" --target yoruka

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/app/yoruka"
fi

bash scripts/install-deps.sh display
. tests/e2e/xsession.sh
shot="$PWD/$build/yoruka-screenshot.png"
xsession_start
"$build/app/yoruka" &
pid=$!
wid=$(xsession_wait_window "$pid")
sleep 0.5
xsession_screenshot "$shot"
xdotool key --window "$wid" Escape
wait "$pid" || true
xsession_stop
echo "No display here: the window was shown on a virtual display."
echo "Screenshot: $shot"
