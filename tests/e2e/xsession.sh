# A virtual X display for running the real program, sourced by the run script
# and the end-to-end tests. Needs xvfb, xdotool, imagemagick (and openbox
# when a window manager is asked for).

XSESSION_XVFB_PID=""
XSESSION_WM_PID=""
# Seconds to wait for the server, the window manager or a window, each of
# which comes within a second on a quiet machine: far more, so that a
# loaded one (a start of the sanitized program was seen to take over ten
# seconds on 2 cores at a load of 8) is never taken for a broken one.
XSESSION_PATIENCE=${XSESSION_PATIENCE:-60}

# xsession_start [wm] [WIDTHxHEIGHT]: starts Xvfb on a free display number
# and exports DISPLAY; with "wm", also a small window manager.
xsession_start() {
  local wm=${1:-} size=${2:-1024x768} numfile i n=""
  numfile=$(mktemp)
  # Xvfb picks a free display itself, so parallel tests never collide. Without
  # -noreset it starts over each time its last client leaves, and a program
  # connecting during that moment is turned away.
  Xvfb -displayfd 1 -screen 0 "${size}x24" -nolisten tcp -noreset >"$numfile" 2>/dev/null &
  XSESSION_XVFB_PID=$!
  for (( i = 0; i < XSESSION_PATIENCE * 20; i++ )); do
    n=$(head -n 1 "$numfile" 2>/dev/null)
    [ -n "$n" ] && break
    sleep 0.05
  done
  rm -f "$numfile"
  [ -n "$n" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$n"
  if [ "$wm" = wm ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    XSESSION_WM_PID=$!
    for (( i = 0; i < XSESSION_PATIENCE * 20; i++ )); do
      wmctrl -m >/dev/null 2>&1 && break
      sleep 0.05
    done
    wmctrl -m >/dev/null 2>&1 || { echo "the window manager did not start" >&2; return 1; }
  fi
}

xsession_stop() {
  [ -n "$XSESSION_WM_PID" ] && kill "$XSESSION_WM_PID" 2>/dev/null && wait "$XSESSION_WM_PID" 2>/dev/null
  [ -n "$XSESSION_XVFB_PID" ] && kill "$XSESSION_XVFB_PID" 2>/dev/null && wait "$XSESSION_XVFB_PID" 2>/dev/null
  XSESSION_WM_PID=""
  XSESSION_XVFB_PID=""
  return 0
}

# xsession_wait_window PID [seconds]: prints the id of the process's visible
# top-level window once it is mapped; fails after the time-out
# (XSESSION_PATIENCE unless given).
xsession_wait_window() {
  local pid=$1 limit=${2:-$XSESSION_PATIENCE} i wid
  for i in $(seq $((limit * 20))); do
    wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
    if [ -n "$wid" ]; then
      echo "$wid"
      return 0
    fi
    # An ended child stays a zombie until it is reaped: that counts as gone.
    case $(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null | cut -d' ' -f1) in
      "" | Z) return 1 ;;
    esac
    sleep 0.05
  done
  return 1
}

# xsession_screenshot PATH: the whole virtual screen as a PNG.
xsession_screenshot() {
  import -window root "$1"
}
