#!/usr/bin/env bash
# A display that goes away: the X server dying under the window, or under a
# dialog of it, ends the program with status 1, without a crash and without
# a save.
. "$(dirname "$0")/lib.sh"
e2e_init "$1"

# lose_display_with SETUP-OPEN: the window up on a display that is then
# killed, with the setup dialog open in front of it or not.
lose_display_with() {
  local status=0 start
  e2e_write_ini "$E2E_INI" <<EOF
[YRK]
SIZE=TRUE
POS=100 100
EOF
  cp "$E2E_INI" "$E2E_TMP/before.ini"
  xsession_start
  e2e_start "$E2E_APP"
  e2e_window
  e2e_wait_title "$WID" "ヨルカ (6/1)" 10
  if [ "$1" = yes ]; then
    xdotool mousemove --window "$WID" 20 20 click 3
    # The menu takes the keys once it is up: a second window of the program.
    start=$(e2e_ms)
    until [ "$(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null | wc -l)" -ge 2 ]; do
      [ $(( $(e2e_ms) - start )) -lt 5000 ] || e2e_fail "no context menu 5 s after a right click"
      sleep 0.05
    done
    xdotool key Down Return
    e2e_find_titled "初期設定" 10
  fi
  kill "$XSESSION_XVFB_PID"
  wait "$XSESSION_XVFB_PID" 2>/dev/null || true
  XSESSION_XVFB_PID=""
  start=$(e2e_ms)
  while e2e_alive "$E2E_PID"; do
    [ $(( $(e2e_ms) - start )) -lt 20000 ] || e2e_fail "the program still runs 20 s after its display died"
    sleep 0.05
  done
  wait "$E2E_PID" 2>/dev/null || status=$?
  e2e_sanitizer_check "$E2E_LOG"
  grep -q 'X11 connection broke' "$E2E_LOG" || e2e_fail "no word of the lost display"
  e2e_expect_eq "exit status" 1 "$status"
  cmp -s "$E2E_TMP/before.ini" "$E2E_INI" || e2e_fail "the settings file was changed"
  e2e_ok "settings file untouched"
}

e2e_step "X server killed under the window"
lose_display_with no
e2e_step "X server killed under the setup dialog"
lose_display_with yes
