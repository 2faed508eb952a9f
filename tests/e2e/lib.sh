# Shared by the end-to-end tests, which source it with the path of the yoruka
# binary as their first argument. Every test gets its own directory with its
# own copy of the program (the settings file lands beside it), its own
# configuration and runtime directories (so the instance lock never meets
# another test's) and its own virtual display.
#
# Needs: xvfb, xdotool, x11-utils (xwininfo, xprop, xev), wmctrl and openbox
# for the window-manager roads, faketime, imagemagick, iconv.
#
# E2E_WITH_WAYLAND=1 runs a test as on a Wayland desktop with XWayland: a
# headless Wayland compositor (weston, with qt6-wayland) beside the X display,
# both WAYLAND_DISPLAY and DISPLAY set, and the platform left to the program.
#
# E2E_LAUNCHER is the command that starts the program, empty for a Linux
# build; Wine's loader runs the Windows build (yoruka.exe) the same way, in
# the Wine prefix of WINEPREFIX. What the two platforms do differently (the
# window frame, the end of the session) is in e2e_frame and e2e_end_session.
#
# For a failing test: E2E_KEEP=1 keeps its directory (the program's output is
# in run*.log there); E2E_QTLOG='qt.qpa.events*=true' turns on Qt's logging.
#
# Waits are for events: a window, a caption, a file, the end of a process.
# Each gives up after E2E_PATIENCE seconds (default 60). On a quiet machine
# every one of them is over within a second or two; a 2-core machine at a
# load of 8, running the sanitized build, was seen to take over ten seconds
# for a start of the program. The bound only decides how soon a real fault
# is reported, so it is set far above both.

set -euo pipefail

E2E_SRC=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$E2E_SRC/xsession.sh"

E2E_NAME=$(basename "$0" .sh)
E2E_ARTIFACTS=$PWD
E2E_TMP=""
E2E_PIDS=()
E2E_XEV_PID=""
E2E_WESTON_PID=""
E2E_RUNS=0
E2E_PID=""
E2E_LOG=""
# Commands that undo what the test did outside its directory, run however
# it ends.
E2E_AT_EXIT=()
WID=""
# The day the tests live on unless a test says otherwise: 138 days before the
# default exam day, 43 days after the default study start.
E2E_NOW="@1999-06-01 12:00:00"
E2E_LAUNCHER=${E2E_LAUNCHER:-}
E2E_PATIENCE=${E2E_PATIENCE:-60}
XSESSION_PATIENCE=$E2E_PATIENCE
E2E_CLOCK_FILE=""
E2E_OS=linux
[[ $E2E_LAUNCHER == *wine* ]] && E2E_OS=windows

e2e_step() { printf '\n== %s\n' "$*"; }
e2e_ok() { printf 'ok: %s\n' "$*"; }

e2e_fail() {
  printf 'FAIL (%s): %s\n' "$E2E_NAME" "$*" >&2
  if [ -n "${DISPLAY:-}" ] && [ -n "$XSESSION_XVFB_PID" ]; then
    import -window root "$E2E_ARTIFACTS/$E2E_NAME-failure.png" 2>/dev/null &&
      echo "screen at the failure: $E2E_ARTIFACTS/$E2E_NAME-failure.png" >&2
  fi
  if [ -n "$E2E_LOG" ] && [ -s "$E2E_LOG" ]; then
    echo "--- output of the last run of the program:" >&2
    tail -n 40 "$E2E_LOG" >&2
    if grep -q 'could not connect to display' "$E2E_LOG"; then
      echo "--- X servers (DISPLAY=$DISPLAY, ours: pid $XSESSION_XVFB_PID):" >&2
      ls -la /tmp/.X11-unix >&2 || true
      ss -xlp 2>/dev/null | grep X11-unix >&2 || true
    fi
  fi
  exit 1
}

e2e_expect_eq() {
  local what=$1 expected=$2 actual=$3
  [ "$expected" = "$actual" ] || e2e_fail "$what: expected '$expected', got '$actual'"
  e2e_ok "$what: $actual"
}

# e2e_poll SECONDS COMMAND...: runs the command until it succeeds; fails
# (returns 1) once SECONDS have passed without.
e2e_poll() {
  local limit_ms=$(( ${1%.*} * 1000 )) start
  shift
  start=$(e2e_ms)
  until "$@"; do
    [ $(( $(e2e_ms) - start )) -lt "$limit_ms" ] || return 1
    sleep 0.05
  done
}

e2e_find_faketime() {
  local lib
  for lib in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1 \
             /usr/local/lib/faketime/libfaketime.so.1; do
    [ -e "$lib" ] && { echo "$lib"; return 0; }
  done
  return 1
}

# e2e_init BINARY: the private directory, a copy of the program in it, and
# the clean-up that runs however the test ends. A machine without the tools
# skips the test (exit 77) rather than failing it.
e2e_init() {
  local bin=${1:-} tool
  [ -n "$bin" ] && [ -x "$bin" ] || { echo "usage: $0 path/to/yoruka" >&2; exit 2; }
  for tool in Xvfb xdotool xwininfo xprop xev wmctrl openbox import iconv stdbuf; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
  done
  E2E_FAKETIME=$(e2e_find_faketime) || { echo "SKIP: libfaketime is not installed" >&2; exit 77; }
  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/yoruka-e2e.XXXXXX")
  trap e2e_cleanup EXIT
  trap 'e2e_fail "unexpected failure of: $BASH_COMMAND (line $LINENO)"' ERR
  mkdir -p "$E2E_TMP/app" "$E2E_TMP/config" "$E2E_TMP/runtime"
  chmod 700 "$E2E_TMP/runtime"
  # The program keeps its suffix: Wine needs the .exe.
  E2E_EXE=${bin##*/yoruka}
  cp "$bin" "$E2E_TMP/app/yoruka$E2E_EXE"
  E2E_APP="$E2E_TMP/app/yoruka$E2E_EXE"
  E2E_INI="$E2E_TMP/app/yrk.ini"
  export XDG_CONFIG_HOME="$E2E_TMP/config" XDG_RUNTIME_DIR="$E2E_TMP/runtime"
  # A developer's own desktop must not take part: no real session manager, no
  # Wayland but the test's own, always the X display of the test.
  unset SESSION_MANAGER WAYLAND_DISPLAY QT_QPA_PLATFORM
  # The display platform the program is started with; empty leaves the
  # choice to the program.
  E2E_PLATFORM=xcb
  if [ "$E2E_OS" = windows ]; then
    E2E_PLATFORM=""
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=ja_JP.UTF-8
    : "${WINEPREFIX:?the Windows build runs in the Wine prefix WINEPREFIX}"
    bash "$E2E_SRC/../support/wine-prefix.sh"
    # The per-user settings file is read before the one beside the program:
    # one left in the tests' prefix by a run that was killed would stand in
    # for every test's file.
    rm -f "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/yoruka/yrk.ini
  fi
  if [ -n "${E2E_WITH_WAYLAND:-}" ]; then
    E2E_PLATFORM=""
    e2e_weston_start
  fi
}

# e2e_weston_start: a headless Wayland compositor of the test's own, without
# any X server; exports WAYLAND_DISPLAY. Skips the test where weston or Qt's
# Wayland platform is missing.
e2e_weston_start() {
  local socket=wayland-e2e
  command -v weston >/dev/null || { echo "SKIP: weston is not installed" >&2; exit 77; }
  ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "SKIP: qt6-wayland is not installed" >&2; exit 77; }
  env -u DISPLAY weston --backend=headless-backend.so --no-config --idle-time=0 --debug \
      --socket="$socket" >"$E2E_TMP/weston.log" 2>&1 </dev/null &
  E2E_WESTON_PID=$!
  e2e_poll "$E2E_PATIENCE" test -S "$XDG_RUNTIME_DIR/$socket" ||
    e2e_fail "weston did not start within $E2E_PATIENCE s (see $E2E_TMP/weston.log)"
  export WAYLAND_DISPLAY=$socket
}

# e2e_wayland_window TITLE: waits until the started program shows a
# top-level window with that title on the test's Wayland compositor.
e2e_wayland_window() {
  local title=$1 limit_ms=$(( E2E_PATIENCE * 1000 )) start
  start=$(e2e_ms)
  for (( ;; )); do
    timeout 5 weston-debug scene-graph 2>/dev/null >"$E2E_TMP/scene.txt" || true
    grep -q "PID $E2E_PID, .*top-level window '$title'" "$E2E_TMP/scene.txt" && return 0
    [ $(( $(e2e_ms) - start )) -lt "$limit_ms" ] || break
    sleep 0.2
  done
  cat "$E2E_TMP/scene.txt" >&2
  e2e_fail "no Wayland window '$title' within $E2E_PATIENCE s"
}

e2e_cleanup() {
  local status=$? pid undo
  trap - EXIT
  # The program goes before the display: a lost X connection ends it with a
  # crash report instead of a clean exit.
  for pid in "${E2E_PIDS[@]}"; do
    e2e_alive "$pid" && kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
  done
  if [ -n "$E2E_XEV_PID" ]; then
    kill "$E2E_XEV_PID" 2>/dev/null || true
    wait "$E2E_XEV_PID" 2>/dev/null || true
  fi
  e2e_display_stop
  for undo in "${E2E_AT_EXIT[@]}"; do eval "$undo" || true; done
  if [ -n "$E2E_WESTON_PID" ]; then
    kill "$E2E_WESTON_PID" 2>/dev/null || true
    wait "$E2E_WESTON_PID" 2>/dev/null || true
  fi
  [ -n "$E2E_TMP" ] && [ -z "${E2E_KEEP:-}" ] && rm -rf "$E2E_TMP"
  [ -n "$E2E_TMP" ] && [ -n "${E2E_KEEP:-}" ] && echo "kept: $E2E_TMP"
  exit "$status"
}

# e2e_display_stop: ends the test's display. Wine's own processes of the
# prefix hold it too, and keep its screen size for the next one: they go first.
e2e_display_stop() {
  if [ "$E2E_OS" = windows ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  fi
  xsession_stop
}

# True while the process runs; an ended child that has not been reaped yet
# (a zombie) counts as ended.
e2e_alive() {
  local state
  state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}

# e2e_start PROGRAM [ARGS...]: starts the program on the day E2E_NOW, with
# the clock running from there; E2E_PID is the program itself (libfaketime is
# preloaded, not a wrapper process), so its window carries that pid. File
# times stay real (NO_FAKE_STAT): with faked ones, fontconfig would take the
# system's font cache for stale and rewrite it, slowing every other program.
e2e_start() {
  local program=$1 clock=(FAKETIME="$E2E_NOW")
  shift
  E2E_RUNS=$((E2E_RUNS + 1))
  E2E_LOG="$E2E_TMP/run$E2E_RUNS.log"
  [ -n "$E2E_CLOCK_FILE" ] && clock=(FAKETIME_TIMESTAMP_FILE="$E2E_CLOCK_FILE" FAKETIME_CACHE_DURATION=1)
  env LD_PRELOAD="$E2E_FAKETIME" "${clock[@]}" FAKETIME_DONT_FAKE_MONOTONIC=1 NO_FAKE_STAT=1 \
      ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 ${E2E_PLATFORM:+QT_QPA_PLATFORM=$E2E_PLATFORM} \
      ${E2E_QTLOG:+QT_LOGGING_RULES="$E2E_QTLOG"} \
      $E2E_LAUNCHER "$program" "$@" >"$E2E_LOG" 2>&1 &
  E2E_PID=$!
  E2E_PIDS+=("$E2E_PID")
}

# e2e_set_clock "YYYY-MM-DD hh:mm:ss": the clock of the programs started
# from now on, and of those started since the first call, reads that time
# now and runs on from there; a running program sees the change within a
# second. Instead of a start time chosen to lie a few seconds before a
# moment such as midnight, which a slow start on a loaded machine may miss,
# a test sets the clock once the program is ready for that moment.
e2e_set_clock() {
  local target
  target=$(date -d "$1" +%s)
  E2E_CLOCK_FILE=$E2E_TMP/clock
  E2E_CLOCK_OFFSET=$(( target - $(date +%s) ))
  printf '%+d\n' "$E2E_CLOCK_OFFSET" >"$E2E_CLOCK_FILE.new"
  mv "$E2E_CLOCK_FILE.new" "$E2E_CLOCK_FILE"   # never read half written
}

# e2e_clock_ms "YYYY-MM-DD hh:mm:ss": the real time (as e2e_ms gives it) at
# which the clock set by e2e_set_clock reads that time.
e2e_clock_ms() {
  echo $(( ($(date -d "$1" +%s) - E2E_CLOCK_OFFSET) * 1000 ))
}

# e2e_end_session [WAY]: ends the session under the running program, by the
# platform's first way or the one named (e2e_end_session_ways lists them):
# on Linux the signals of a shutdown and of a lost terminal, on Windows the
# session-end query to every window.
e2e_end_session_ways() {
  if [ "$E2E_OS" = windows ]; then echo WM_QUERYENDSESSION; else echo SIGTERM SIGHUP; fi
}
e2e_end_session() {
  local way=${1:-$(e2e_end_session_ways | cut -d' ' -f1)}
  case $way in
    SIG*) kill -"${way#SIG}" "$E2E_PID" ;;
    WM_QUERYENDSESSION) $E2E_LAUNCHER wineboot --end-session >>"$E2E_LOG" 2>&1 ;;
  esac
}

# e2e_frame: LEFT TOP RIGHT BOTTOM, the pixels the window's outer rectangle
# adds to its client area. Without a window manager a Linux window has none;
# Windows draws 3-pixel borders and a 19-pixel caption round a dialog.
e2e_frame() {
  if [ "$E2E_OS" = windows ]; then echo 3 22 3 3; else echo 0 0 0 0; fi
}

# e2e_client_at LEFT TOP: where the client area of a window stands whose
# outer rectangle (the stored position) starts there.
e2e_client_at() {
  local left top
  read -r left top _ _ < <(e2e_frame)
  echo "$(($1 + left)) $(($2 + top))"
}

# e2e_window: WID becomes the started program's window.
e2e_window() {
  WID=$(xsession_wait_window "$E2E_PID" "$E2E_PATIENCE") ||
    e2e_fail "the program showed no window within $E2E_PATIENCE s"
}

# e2e_sanitizer_check LOG: a run that ended must not have tripped a sanitizer.
e2e_sanitizer_check() {
  if grep -Eq 'ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer' "$1"; then
    E2E_LOG=$1
    e2e_fail "the program reported a sanitizer error"
  fi
}

# e2e_wait_exit PID [SECONDS]: waits for the program to end and reaps it;
# fails (returns 1) after SECONDS, E2E_PATIENCE unless given.
e2e_wait_exit() {
  local pid=$1 limit_s=${2:-$E2E_PATIENCE} limit_ms start
  limit_ms=$(( ${limit_s%.*} * 1000 ))
  start=$(e2e_ms)
  while e2e_alive "$pid"; do
    [ $(( $(e2e_ms) - start )) -lt "$limit_ms" ] || return 1
    sleep 0.05
  done
  wait "$pid" 2>/dev/null || true
  e2e_sanitizer_check "$E2E_LOG"
}

e2e_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# e2e_key WID KEY...: presses and releases the keys in the window. xdotool
# presses through XTEST when the window has the focus, but when the press
# closes the window (Enter, Escape) it fails before the release and leaves the
# key down in the server, whose autorepeat then hits the next window to get
# the focus: so the keys are always released afterwards.
e2e_key() {
  local wid=$1
  shift
  e2e_focus "$wid"
  xdotool key --window "$wid" "$@" 2>/dev/null || true
  xdotool keyup "$@" 2>/dev/null || true
}

# e2e_focus WID: on Windows, gives the window the focus unless it has it:
# Wine takes no keys sent to a window without it. Wine activates the window
# in its own time and then puts the dialog's focus back on the field that
# had it, so keys pressed in that moment could land in the wrong field: a
# short wait lets the activation finish first.
e2e_focus() {
  [ "$E2E_OS" = windows ] || return 0
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  sleep 0.3
}

# e2e_type WID TEXT: types the text into the window.
e2e_type() {
  if [ "$E2E_OS" = windows ]; then
    e2e_focus "$1"
    xdotool type "$2"
  else
    xdotool type --window "$1" "$2"
  fi
}

e2e_title() { xdotool getwindowname "$1" 2>/dev/null || true; }

# e2e_wait_title WID TEXT: polls the caption; fails with the last one seen.
e2e_wait_title() {
  local wid=$1 expected=$2 limit_ms=$(( E2E_PATIENCE * 1000 )) start title
  start=$(e2e_ms)
  for (( ;; )); do
    title=$(e2e_title "$wid")
    [ "$title" = "$expected" ] && return 0
    [ $(( $(e2e_ms) - start )) -lt "$limit_ms" ] || break
    sleep 0.05
  done
  e2e_fail "caption: expected '$expected' within $E2E_PATIENCE s, still '$title'"
}

# e2e_geometry WID: X Y W H of the window itself (the client area).
e2e_geometry() {
  xwininfo -id "$1" | awk '
    /Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
    /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print x, y, w, h}'
}

# e2e_expect_soon WHAT EXPECTED COMMAND...: the command's output comes to be
# EXPECTED.
e2e_expect_soon() {
  local what=$1 expected=$2 start
  shift 2
  start=$(e2e_ms)
  until [ "$("$@")" = "$expected" ]; do
    [ $(( $(e2e_ms) - start )) -lt $(( E2E_PATIENCE * 1000 )) ] || break
    sleep 0.05
  done
  e2e_expect_eq "$what" "$expected" "$("$@")"
}

# e2e_expect_geometry WHAT WID "X Y W H": the window comes to stand there
# (Wine moves and sizes a window a moment after it is asked to).
e2e_expect_geometry() { e2e_expect_soon "$1" "$3" e2e_geometry "$2"; }

# e2e_frame_geometry WID: X Y W H of the outermost window that holds it (the
# window manager's frame, or the window itself without a window manager).
e2e_frame_geometry() {
  local w=$1 parent root
  root=$(xwininfo -root | awk '/Window id:/ {print $4}')
  for (( ;; )); do
    parent=$(xwininfo -children -id "$w" | awk '/Parent window id:/ {print $4}')
    [ -z "$parent" ] || [ "$((parent))" -eq "$((root))" ] && break
    w=$parent
  done
  e2e_geometry "$w"
}

# e2e_wait_frame_at WID X Y: the window manager moves frames in its own time.
e2e_wait_frame_at() {
  local wid=$1 x=$2 y=$3 limit_ms=$(( E2E_PATIENCE * 1000 )) start geometry
  start=$(e2e_ms)
  for (( ;; )); do
    geometry=$(e2e_frame_geometry "$wid")
    [ "${geometry% * *}" = "$x $y" ] && return 0
    [ $(( $(e2e_ms) - start )) -lt "$limit_ms" ] || break
    sleep 0.05
  done
  e2e_fail "window frame: expected at $x $y, it is at ${geometry% * *}"
}

# e2e_screen_size: W H of the virtual screen.
e2e_screen_size() {
  xwininfo -root | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w, h}'
}

# e2e_platform_lines: standard input with the platform's line ends (CRLF on
# Windows).
e2e_platform_lines() {
  if [ "$E2E_OS" = windows ]; then sed 's/$/\r/'; else cat; fi
}

# e2e_write_ini FILE: writes standard input (UTF-8) as the CP932 settings file.
e2e_write_ini() {
  e2e_platform_lines | iconv -f UTF-8 -t CP932 >"$1"
}

# e2e_ini_value KEY [FILE]: the value of KEY in the settings file, as UTF-8.
e2e_ini_value() {
  local file=${2:-$E2E_INI}
  [ -f "$file" ] || e2e_fail "no settings file at $file"
  iconv -f CP932 -t UTF-8 "$file" | tr -d '\r' | sed -n "s/^$1=//p" | head -n 1
}

# e2e_expect_ini FILE: the settings file must hold exactly standard input
# (UTF-8), byte for byte once converted to CP932 with the platform's line ends.
e2e_expect_ini() {
  local file=$1 expected="$E2E_TMP/expected.ini"
  e2e_platform_lines | iconv -f UTF-8 -t CP932 >"$expected"
  # Under Wine a save lands a moment after the dialog that caused it is gone.
  local start
  start=$(e2e_ms)
  until cmp -s "$expected" "$file" || [ $(( $(e2e_ms) - start )) -ge $(( E2E_PATIENCE * 1000 )) ]; do sleep 0.05; done
  [ -f "$file" ] || e2e_fail "no settings file at $file"
  if ! cmp -s "$expected" "$file"; then
    echo "expected:" >&2; iconv -f CP932 -t UTF-8 "$expected" | cat -A >&2
    echo "found:" >&2; iconv -f CP932 -t UTF-8 "$file" | cat -A >&2 || od -c "$file" >&2
    e2e_fail "$file does not hold the expected settings"
  fi
  e2e_ok "$(basename "$file") holds exactly the expected settings"
}

# e2e_watch_start / e2e_watch_stop: record every window that is created or
# mapped on the display in between; E2E_MAPPED counts the mapped ones.
e2e_watch_start() {
  stdbuf -oL xev -root -event substructure -event property >"$E2E_TMP/xev.log" 2>&1 &
  E2E_XEV_PID=$!
  # A property change on the root window shows that the watcher listens.
  e2e_poll "$E2E_PATIENCE" e2e_watch_marked ||
    e2e_fail "could not watch the display for new windows within $E2E_PATIENCE s"
}

e2e_watch_marked() {
  xprop -root -f _YRK_E2E_MARK 32c -set _YRK_E2E_MARK 1
  grep -q PropertyNotify "$E2E_TMP/xev.log"
}

e2e_watch_stop() {
  local seen
  # Events arrive in order: once a fresh mark is seen, every window mapped
  # before it has been recorded too.
  seen=$(grep -c PropertyNotify "$E2E_TMP/xev.log" || true)
  xprop -root -f _YRK_E2E_MARK 32c -set _YRK_E2E_MARK 0
  e2e_poll "$E2E_PATIENCE" e2e_more_marks "$seen" ||
    e2e_fail "the display's watcher did not see the last mark within $E2E_PATIENCE s"
  kill "$E2E_XEV_PID" 2>/dev/null || true
  wait "$E2E_XEV_PID" 2>/dev/null || true
  E2E_XEV_PID=""
  E2E_MAPPED=$(grep -c '^MapNotify' "$E2E_TMP/xev.log" || true)
}

e2e_more_marks() { [ "$(grep -c PropertyNotify "$E2E_TMP/xev.log" || true)" -gt "$1" ]; }

# e2e_pixel PNG X Y: "R,G,B" of one pixel.
e2e_pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# e2e_expect_pixels WID "X Y R,G,B" ...: the window's picture on the screen
# must show these colours; polled, since the first paint reaches the screen a
# moment after the window is mapped.
e2e_expect_pixels() {
  local wid=$1 shot="$E2E_TMP/window.png" start expected bad x y want seen
  shift
  start=$(e2e_ms)
  for (( ;; )); do
    bad=""
    import -window "$wid" "$shot"
    for expected in "$@"; do
      read -r x y want <<<"$expected"
      seen=$(e2e_pixel "$shot" "$x" "$y")
      [ "$seen" = "$want" ] || { bad="($x,$y) is $seen, not $want"; break; }
    done
    [ -z "$bad" ] && return 0
    [ $(( $(e2e_ms) - start )) -lt $(( E2E_PATIENCE * 1000 )) ] || break
    sleep 0.1
  done
  cp "$shot" "$E2E_ARTIFACTS/$E2E_NAME-window.png" 2>/dev/null || true
  e2e_fail "window picture: pixel $bad (picture: $E2E_ARTIFACTS/$E2E_NAME-window.png)"
}

# e2e_find_titled TITLE: WID becomes the started program's visible window
# with that caption (a dialog of it, say).
e2e_find_titled() {
  local title=$1 limit_ms=$(( E2E_PATIENCE * 1000 )) start w
  start=$(e2e_ms)
  for (( ;; )); do
    for w in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null || true); do
      [ "$(e2e_title "$w")" = "$title" ] && { WID=$w; return 0; }
    done
    [ $(( $(e2e_ms) - start )) -lt "$limit_ms" ] || break
    sleep 0.05
  done
  e2e_fail "no window '$title' within $E2E_PATIENCE s"
}

# e2e_message_box: WID becomes the program's message box, a dialog window
# captioned with the program's name (its menus are captioned so too).
e2e_message_box() {
  local limit_ms=$(( E2E_PATIENCE * 1000 )) start w
  start=$(e2e_ms)
  for (( ;; )); do
    for w in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null || true); do
      [ "$(e2e_title "$w")" = yoruka ] || continue
      xwininfo -id "$w" | grep -q 'Override Redirect State: yes' && continue
      WID=$w
      return 0
    done
    [ $(( $(e2e_ms) - start )) -lt "$limit_ms" ] || e2e_fail "no message box within $E2E_PATIENCE s"
    sleep 0.05
  done
}

# e2e_wait_gone WID: the window is no longer shown.
e2e_wait_gone() {
  local wid=$1 limit_ms=$(( E2E_PATIENCE * 1000 )) start
  start=$(e2e_ms)
  while xwininfo -id "$wid" 2>/dev/null | grep -q IsViewable; do
    [ $(( $(e2e_ms) - start )) -lt "$limit_ms" ] || e2e_fail "window $wid still shown after $E2E_PATIENCE s"
    sleep 0.05
  done
}

# e2e_grace: a moment in which something that must not happen (a second
# menu, a window closing, a browser started) would show, before the test
# looks. Not a wait for an event: on a loaded machine it only makes the
# check weaker, never fail a sound program.
e2e_grace() { sleep 0.3; }

# e2e_skip WHAT WHY: a step left out on this platform, said in the output.
e2e_skip() { printf 'skip (%s): %s: %s\n' "$E2E_OS" "$1" "$2"; }

# e2e_context_menu WID KEY...: opens the context menu with a right click on
# the window and walks it with the given keys (the menu holds the keyboard
# while open).
e2e_context_menu() {
  local wid=$1
  shift
  xdotool mousemove --window "$wid" 20 20 click 3
  # The menu is open once the program shows a second window.
  e2e_poll "$E2E_PATIENCE" e2e_two_windows_shown ||
    e2e_fail "no context menu $E2E_PATIENCE s after a right click"
  xdotool key "$@"
}

e2e_two_windows_shown() { [ "$(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null | wc -l)" -ge 2 ]; }

# e2e_start_bare NAME DIR: starts the program by its bare name, found on the
# search path with DIR in front, as from a shell. On Windows cmd starts it:
# Wine's loader would hand the program its full path instead of the name as
# typed. cmd's child is no child of ours, so E2E_PID becomes the program's
# own process once its window shows.
e2e_start_bare() {
  local name=$1 dir=$2 start wid=""
  if [ "$E2E_OS" != windows ]; then
    PATH="$dir:$PATH" e2e_start "$name"
    return 0
  fi
  WINEPATH="Z:${dir//\//\\}" e2e_start cmd /c "$name"
  start=$(e2e_ms)
  until wid=$(xdotool search --onlyvisible --classname "^$name$E2E_EXE\$" 2>/dev/null | head -n 1) && [ -n "$wid" ]; do
    [ $(( $(e2e_ms) - start )) -lt $(( E2E_PATIENCE * 1000 )) ] ||
      e2e_fail "$name started by cmd showed no window within $E2E_PATIENCE s"
    sleep 0.05
  done
  E2E_PID=$(xdotool getwindowpid "$wid")
  E2E_PIDS+=("$E2E_PID")
}

# e2e_user_config_dir: where the per-user settings folders are: the XDG one
# on Linux, APPDATA of the Wine prefix on Windows (Wine sets it from the
# registry, whatever the environment says).
e2e_user_config_dir() {
  if [ "$E2E_OS" = windows ]; then
    $E2E_LAUNCHER winepath -u "$($E2E_LAUNCHER cmd /c echo %APPDATA% | tr -d '\r')"
  else
    echo "$XDG_CONFIG_HOME"
  fi
}
