#!/usr/bin/env bash
# Reads the real program as a screen reader does: on a virtual display, with
# its own session bus and accessibility bus, the program's windows are read
# through AT-SPI (read_window.py): the countdown window's caption, title,
# days left, graph and progress bar, then, opened from the context menu,
# the day-count dialog's count, weekdays and fields.
#
#   read_window.sh path/to/yoruka
#
# Needs: xvfb, xdotool, dbus-daemon (dbus-run-session), at-spi2-core,
# python3-pyatspi, faketime; without them it says which is missing and
# exits 77 (skipped). Exits 1 with a message on the first failure;
# A11Y_KEEP=1 keeps the work directory (the program's output is run.log).

set -euo pipefail

missing() {
  echo "SKIP (read_window): $* is missing" >&2
  exit 77
}

fail() {
  echo "FAIL (read_window): $*" >&2
  if [ -n "${WORK:-}" ] && [ -s "$WORK/run.log" ]; then
    echo "--- the program's output:" >&2
    tail -n 30 "$WORK/run.log" >&2
  fi
  exit 1
}

[ $# -eq 1 ] && [ -x "$1" ] || fail "usage: $0 path/to/yoruka (an executable)"
HERE=$(cd "$(dirname "$0")" && pwd)

# A session bus of our own, so that no desktop of the caller is read or
# disturbed; the script runs again inside it.
if [ -z "${A11Y_OWN_SESSION:-}" ]; then
  command -v dbus-run-session >/dev/null || missing "dbus-run-session (Debian: dbus-bin, dbus-daemon)"
  A11Y_OWN_SESSION=1 exec dbus-run-session -- bash "$0" "$(realpath "$1")"
fi

BUS_LAUNCHER=/usr/libexec/at-spi-bus-launcher
FAKETIME_LIB=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1 || true)
# Debian's python, where python3-pyatspi installs (another python3 may come first on PATH).
PYTHON=${A11Y_PYTHON:-/usr/bin/python3}
for tool in Xvfb xdotool dbus-send "$PYTHON" timeout; do
  command -v "$tool" >/dev/null || missing "$tool"
done
[ -x "$BUS_LAUNCHER" ] || missing "$BUS_LAUNCHER (Debian: at-spi2-core)"
[ -n "$FAKETIME_LIB" ] || missing "libfaketime (Debian: faketime)"
"$PYTHON" -c 'import pyatspi' 2>/dev/null || missing "$PYTHON's pyatspi (Debian: python3-pyatspi)"

. "$HERE/../e2e/xsession.sh"

WORK=$(mktemp -d)
PROGRAM_PID=""
BUS_PID=""
cleanup() {
  set +e
  if [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null; then
    # It ends at once on SIGTERM; one that hangs must not hang the test.
    for _ in $(seq 50); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$PROGRAM_PID" 2>/dev/null
    wait "$PROGRAM_PID" 2>/dev/null
  fi
  if [ -n "$BUS_PID" ]; then
    kill "$BUS_PID" 2>/dev/null
    wait "$BUS_PID" 2>/dev/null
  fi
  xsession_stop
  if [ -n "${A11Y_KEEP:-}" ]; then echo "kept: $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

xsession_start || fail "Xvfb did not start"

# The accessibility bus, announced on the session bus as org.a11y.Bus.
"$BUS_LAUNCHER" --launch-immediately >"$WORK/bus.log" 2>&1 &
BUS_PID=$!
for (( i = 0; i < XSESSION_PATIENCE * 10; i++ )); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 ||
  fail "the accessibility bus did not start: $(cat "$WORK/bus.log")"

# The program's own copy: its settings file (defaults) lands beside it.
cp "$1" "$WORK/yoruka"
mkdir -p "$WORK/config" "$WORK/run"
chmod 700 "$WORK/run"
(
  cd "$WORK"
  exec env QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    TZ=UTC LD_PRELOAD="$FAKETIME_LIB" FAKETIME="@1999-06-01 12:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 \
    XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/run" ./yoruka
) >"$WORK/run.log" 2>&1 &
PROGRAM_PID=$!
WID=$(xsession_wait_window "$PROGRAM_PID") || fail "the countdown window did not show"

# Each search of the reader has its own bound (read_window.py); this one is
# for a reader that hangs all the same.
read_it() { timeout 300 "$PYTHON" "$HERE/read_window.py" "$@" || fail "reading '$*' failed"; }

echo "== the countdown window"
read_it main

echo "== the day-count dialog, from the context menu"
# A context menu is a popup, which Qt leaves out of the accessible tree (a
# reader follows it by its focus): its second item is chosen by keys.
shown() { xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null | wc -l; }
before=$(shown)
xdotool mousemove --window "$WID" 110 45 click 3
for (( i = 0; i < XSESSION_PATIENCE * 10; i++ )); do [ "$(shown)" -gt "$before" ] && break; sleep 0.1; done
[ "$(shown)" -gt "$before" ] || fail "no context menu showed on a right click"
xdotool key Down Down Return
read_it daycount

echo "read_window: all read as shown"
