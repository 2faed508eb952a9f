#!/usr/bin/env bash
# The context menu's roads as a user takes them: the setup dialog's OK turns
# the graph on (the window grows in place and saves Dialog), with LASTYEAR it
# takes an exam after 2010, the day-count
# dialog saves nothing, "終了" saves Quit; a day that does not exist is
# corrected once, by the keyboard alone; and a dialog left open neither
# stops the change of day behind it nor the end of the session.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
xsession_start

# menu KEY...: the main window's context menu, walked with the keys.
menu() { e2e_context_menu "$MAIN" "$@"; }

short_file() {
  e2e_write_ini "$E2E_INI" <<EOF_INI
[YRK]
SIZE=FALSE
POS=100 100
EOF_INI
}

# start_main: starts the program on the settings file; MAIN is its window.
start_main() {
  e2e_start "$E2E_APP"
  e2e_window
  MAIN=$WID
  e2e_wait_title "$MAIN" "ヨルカ (6/1)"
}

# open_setup: opens the setup dialog from the context menu; setup is its window.
open_setup() {
  menu Down Return
  e2e_find_titled "初期設定"
  setup=$WID
}

e2e_step "setup dialog: switching the graph on and OK"
short_file
start_main
e2e_expect_eq "window before" "$(e2e_client_at 100 100) 225 63" "$(e2e_geometry "$MAIN")"
open_setup
# The check box "グラフを表示する" sits at (15, 120) dialog units: 1.5 pixels each.
xdotool mousemove --window "$setup" 40 187 click 1
e2e_key "$setup" Return
e2e_wait_gone "$setup"
e2e_expect_geometry "window after OK (left top width height)" "$MAIN" "$(e2e_client_at 100 100) 225 193"
e2e_expect_eq "SIZE" "TRUE" "$(e2e_ini_value SIZE)"
e2e_expect_eq "POS" "100 100" "$(e2e_ini_value POS)"
e2e_expect_eq "CALLBY" "Dialog" "$(e2e_ini_value CALLBY)"
cp "$E2E_INI" "$E2E_TMP/after-setup.ini"

e2e_step "setup dialog with LASTYEAR=2040: an exam in 2027 is taken and the line kept"
e2e_end_session
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after the end of the session"
echo LASTYEAR=2040 | e2e_platform_lines >>"$E2E_INI"
start_main
open_setup
# The exam's year field follows the title, which has the focus; Tab selects
# its text.
e2e_key "$setup" Tab
e2e_type "$setup" 2027
e2e_key "$setup" Return
e2e_wait_gone "$setup"
# Saved a moment after the dialog has gone (under Wine, long enough to see).
e2e_expect_soon "EXAM" "2027 10 17" e2e_ini_value EXAM
e2e_expect_eq "LASTYEAR" "2040" "$(e2e_ini_value LASTYEAR)"
e2e_expect_eq "CALLBY" "Dialog" "$(e2e_ini_value CALLBY)"
cp "$E2E_INI" "$E2E_TMP/after-setup.ini"

e2e_step "day-count dialog: opened and closed, nothing saved"
menu Down Down Return
e2e_find_titled "日数計算ダイアログ"
e2e_key "$WID" Escape
e2e_wait_gone "$WID"
cmp -s "$E2E_TMP/after-setup.ini" "$E2E_INI" || e2e_fail "the day-count dialog changed the settings file"
e2e_ok "settings file unchanged"

e2e_step "menu 終了 (the last item) ends the program with Quit"
menu Up Return
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after 終了"
e2e_expect_eq "CALLBY" "Quit" "$(e2e_ini_value CALLBY)"
e2e_expect_eq "SIZE" "TRUE" "$(e2e_ini_value SIZE)"

# same_picture WID "X Y" "X Y" W H: the window shows the same in the two
# W x H areas (polled: a window comes back on the screen a moment after a box
# over it has gone).
same_picture() {
  local wid=$1 w=$4 h=$5 start first second
  start=$(e2e_ms)
  for (( ;; )); do
    import -window "$wid" "$E2E_TMP/window.png"
    first=$(convert "$E2E_TMP/window.png" -crop "${w}x$h+${2% *}+${2#* }" +repage -depth 8 rgb:- | cksum)
    second=$(convert "$E2E_TMP/window.png" -crop "${w}x$h+${3% *}+${3#* }" +repage -depth 8 rgb:- | cksum)
    [ "$first" = "$second" ] && return 0
    [ $(( $(e2e_ms) - start )) -lt $(( E2E_PATIENCE * 1000 )) ] || break
    sleep 0.1
  done
  cp "$E2E_TMP/window.png" "$E2E_ARTIFACTS/$E2E_NAME-window.png" 2>/dev/null || true
  return 1
}

e2e_step "setup dialog: 31 April typed, left with Tab, Enter: corrected to 30, the next Enter takes it"
e2e_write_ini "$E2E_INI" <<EOF_INI
[YRK]
START=1999 4 30
EXAM=2000 4 16
SIZE=TRUE
POS=100 100
EOF_INI
start_main
open_setup
# From the title to the exam's year, month and day; Tab selects each text.
e2e_key "$setup" Tab Tab Tab
e2e_type "$setup" 31
# Tab goes on to the study-start year, where Enter is OK.
e2e_key "$setup" Tab Return
e2e_message_box
box=$WID
e2e_ok "message box after Enter"
e2e_key "$box" Return
e2e_wait_gone "$box"
# The exam day (at 160, 32 dialog units, 1.5 pixels each) must show what the
# study-start day below it (160, 142) shows, 30: the left part of each,
# before its spin.
same_picture "$setup" "240 48" "240 213" 24 18 ||
  e2e_fail "the exam day does not show 30 after the correction (picture: $E2E_ARTIFACTS/$E2E_NAME-window.png)"
e2e_ok "the exam day shows 30"
e2e_key "$setup" Return
e2e_wait_gone "$setup"
e2e_expect_soon "EXAM" "2000 4 30" e2e_ini_value EXAM
e2e_expect_eq "CALLBY" "Dialog" "$(e2e_ini_value CALLBY)"
e2e_key "$MAIN" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after Escape"

e2e_step "midnight behind an open setup dialog, then the end of the session"
short_file
e2e_set_clock "1999-06-01 12:00:00"
start_main
open_setup
# Midnight three seconds after the dialog is open, however long that took.
e2e_set_clock "1999-06-01 23:59:57"
e2e_wait_title "$MAIN" "ヨルカ (6/2)"
e2e_ok "main window's caption turned to 6/2 while the dialog was open"
xwininfo -id "$setup" | grep -q IsViewable || e2e_fail "the setup dialog closed by itself"
e2e_end_session
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs $E2E_PATIENCE s after the end of the session with a dialog open"
e2e_expect_eq "CALLBY" "EndSession" "$(e2e_ini_value CALLBY)"
e2e_expect_eq "SIZE (the dialog's values were not taken)" "FALSE" "$(e2e_ini_value SIZE)"
