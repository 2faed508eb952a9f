#!/usr/bin/env bash
# Minimising and closing through a window manager: the minimised window's
# title shows the days left; minimising saves (SysCommand) only after the
# window was moved; while minimised no road of ending saves; the close box of
# a shown window saves Quit.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
xsession_start wm

minimise() {
  xdotool windowminimize "$WID"
  # The caption is set once the window knows it is minimised, after any save.
  e2e_wait_title "$WID" "あと 138日"
  e2e_ok "minimised, title: あと 138日"
}

# stands_at X Y: the window stands at the stored position X Y. On Linux that
# is the frame's top-left corner. On Windows it is Wine's own outer
# rectangle, which the window manager's frame does not follow: Wine keeps
# the client area where that rectangle puts it.
stands_at() {
  if [ "$E2E_OS" = windows ]; then
    e2e_expect_geometry "window" "$WID" "$(e2e_client_at "$1" "$2") 225 63"
  else
    e2e_wait_frame_at "$WID" "$1" "$2"
    e2e_ok "frame at $1 $2"
  fi
}

# The window moved by the window manager to 100 120, and the position it
# then stores: the frame goes there on Linux; Wine's windows have static
# gravity, so on Windows their client area goes there, and the outer
# rectangle is 3 and 22 pixels further up left.
MOVE_TO="100 120"
declare -A MOVED_POS=([linux]="100 120" [windows]="97 98")
MOVED=${MOVED_POS[$E2E_OS]}
# The default place on 1024x768, as stored.
declare -A DEFAULT_POS=([linux]="398 297" [windows]="395 284")

defaults_at() {
  cat <<EOF
[YRK]
TITLE=99年度秋期情報処理技術者試験まで
START=1999 4 19
EXAM=1999 10 17
NEXAM=2000 4 16
SIZE=FALSE
SHOWNEXTEXAM=FALSE
POS=$1
CALLBY=$2
EOF
}

e2e_step "no settings file: the frame stands at the default position"
e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
# Without the frame known beforehand, the default is centred for the
# template's 228 x 254 pixels: the frame's top-left corner goes there.
stands_at ${DEFAULT_POS[$E2E_OS]}

e2e_step "minimising a window that was not moved saves nothing"
minimise
[ -e "$E2E_INI" ] && e2e_fail "minimising an unmoved window wrote the settings file"
e2e_ok "no settings file"

e2e_step "restoring brings back the date caption"
wmctrl -i -a "$WID"
e2e_wait_title "$WID" "ヨルカ (6/1)"
e2e_ok "restored, caption: ヨルカ (6/1)"

e2e_step "moved, then minimised: saved with SysCommand and the new position"
wmctrl -i -r "$WID" -e "0,${MOVE_TO/ /,},-1,-1"
stands_at $MOVED
minimise
defaults_at "$MOVED" SysCommand | e2e_expect_ini "$E2E_INI"
cp "$E2E_INI" "$E2E_TMP/after-minimise.ini"

e2e_step "the end of the session while minimised: the program ends and saves nothing"
e2e_end_session
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs $E2E_PATIENCE s after the end of the session"
cmp -s "$E2E_TMP/after-minimise.ini" "$E2E_INI" || e2e_fail "the settings file changed"
e2e_ok "settings file unchanged"

e2e_step "the stored position is used; closing while minimised saves nothing"
e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
stands_at $MOVED
minimise
wmctrl -i -c "$WID"
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs $E2E_PATIENCE s after the close request"
cmp -s "$E2E_TMP/after-minimise.ini" "$E2E_INI" || e2e_fail "the settings file changed"
e2e_ok "settings file unchanged"

e2e_step "the close box of the shown window saves Quit"
e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
stands_at $MOVED
wmctrl -i -c "$WID"
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs $E2E_PATIENCE s after the close request"
defaults_at "$MOVED" Quit | e2e_expect_ini "$E2E_INI"
