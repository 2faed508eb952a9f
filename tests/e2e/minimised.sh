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
  e2e_wait_title "$WID" "あと 138日" 5
  e2e_ok "minimised, title: あと 138日"
}

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
e2e_wait_title "$WID" "ヨルカ (6/1)" 10
# Without the frame known beforehand, the default is centred for the
# template's 228 x 254 pixels: the frame's top-left corner goes there.
e2e_wait_frame_at "$WID" 398 297 5
e2e_ok "frame at 398 297"

e2e_step "minimising a window that was not moved saves nothing"
minimise
[ -e "$E2E_INI" ] && e2e_fail "minimising an unmoved window wrote the settings file"
e2e_ok "no settings file"

e2e_step "restoring brings back the date caption"
wmctrl -i -a "$WID"
e2e_wait_title "$WID" "ヨルカ (6/1)" 5
e2e_ok "restored, caption: ヨルカ (6/1)"

e2e_step "moved, then minimised: saved with SysCommand and the new position"
wmctrl -i -r "$WID" -e 0,100,120,-1,-1
e2e_wait_frame_at "$WID" 100 120 5
minimise
defaults_at "100 120" SysCommand | e2e_expect_ini "$E2E_INI"
cp "$E2E_INI" "$E2E_TMP/after-minimise.ini"

e2e_step "SIGTERM while minimised: the program ends and saves nothing"
kill -TERM "$E2E_PID"
e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program still runs 10 s after SIGTERM"
cmp -s "$E2E_TMP/after-minimise.ini" "$E2E_INI" || e2e_fail "the settings file changed"
e2e_ok "settings file unchanged"

e2e_step "the stored position is used; closing while minimised saves nothing"
e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)" 10
e2e_wait_frame_at "$WID" 100 120 5
e2e_ok "frame at 100 120"
minimise
wmctrl -i -c "$WID"
e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program still runs 10 s after the close request"
cmp -s "$E2E_TMP/after-minimise.ini" "$E2E_INI" || e2e_fail "the settings file changed"
e2e_ok "settings file unchanged"

e2e_step "the close box of the shown window saves Quit"
e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)" 10
e2e_wait_frame_at "$WID" 100 120 5
wmctrl -i -c "$WID"
e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program still runs 10 s after the close request"
defaults_at "100 120" Quit | e2e_expect_ini "$E2E_INI"
