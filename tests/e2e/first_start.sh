#!/usr/bin/env bash
# First start without a settings file: today's date in the caption, the short
# window centred on the screen (40 pixels below the middle), and on closing a
# settings file beside the program that holds the defaults, the position and
# the reason Quit.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

# The window as the template creates it, before the program sizes it: the
# default position is centred for this size, not for the final one. The
# stored position is the outer rectangle's, the frame's on Windows.
read -r FRAME_L FRAME_T FRAME_R FRAME_B < <(e2e_frame)
TEMPLATE_W=$((228 + FRAME_L + FRAME_R))
TEMPLATE_H=$((254 + FRAME_T + FRAME_B))

# first_start SCREEN KEY: one run on a fresh screen of that size, closed with KEY.
first_start() {
  local screen=$1 key=$2 sw sh x y
  rm -f "$E2E_INI"
  xsession_start "" "$screen"
  read -r sw sh < <(e2e_screen_size)
  x=$(( (sw - TEMPLATE_W) / 2 ))
  y=$(( (sh - TEMPLATE_H) / 2 + 40 ))

  e2e_step "$screen screen, no settings file, today 1999-06-01"
  e2e_start "$E2E_APP"
  e2e_window
  e2e_wait_title "$WID" "ヨルカ (6/1)"
  e2e_ok "caption: ヨルカ (6/1)"
  e2e_expect_eq "window (left top width height)" "$(e2e_client_at "$x" "$y") 225 63" "$(e2e_geometry "$WID")"
  [ -e "$E2E_INI" ] && e2e_fail "a settings file was written before anything asked for a save"

  e2e_step "$key closes the window and saves the defaults with Quit"
  e2e_key "$WID" "$key"
  e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs $E2E_PATIENCE s after $key"
  e2e_expect_ini "$E2E_INI" <<EOF
[YRK]
TITLE=99年度秋期情報処理技術者試験まで
START=1999 4 19
EXAM=1999 10 17
NEXAM=2000 4 16
SIZE=FALSE
SHOWNEXTEXAM=FALSE
POS=$x $y
CALLBY=Quit
EOF
  e2e_display_stop
}

# The numbers for the common screen, so that a formula shared by the test and
# the program cannot hide a wrong position.
declare -A SAVED_1024=([linux]="398 297" [windows]="395 284")
first_start 1024x768 Escape
e2e_expect_eq "position saved on 1024x768" "${SAVED_1024[$E2E_OS]}" "$(e2e_ini_value POS)"

# Another screen size, closed by the other key road (Enter is the exit button
# while no button has the focus).
first_start 1280x1024 Return
declare -A SAVED_1280=([linux]="526 425" [windows]="523 412")
e2e_expect_eq "position saved on 1280x1024" "${SAVED_1280[$E2E_OS]}" "$(e2e_ini_value POS)"
