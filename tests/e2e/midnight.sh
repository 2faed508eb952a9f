#!/usr/bin/env bash
# Left open over midnight: the caption moves to the new date, and the title of
# the minimised window to the new count of days, within moments of midnight.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

# Each program starts at noon, however long its start takes, and its clock
# is put a few seconds before midnight once its window is ready: it sees the
# change of the clock within a second. The program looks at the clock twice a
# second, so the new day must show at most half a second after midnight; the
# rest of the slack is for a loaded machine, whose scheduler was seen to hold
# back the program's ticks, and this script's polls, by seconds.
LEAD_S=3
SLACK_MS=10000

# across_midnight WID BEFORE AFTER: BEFORE must show until midnight, AFTER
# soon after it.
across_midnight() {
  local wid=$1 before=$2 after=$3 midnight title now
  e2e_set_clock "1999-06-01 23:59:$(( 60 - LEAD_S ))"
  midnight=$(e2e_clock_ms "1999-06-02 00:00:00")
  [ "$(e2e_title "$wid")" = "$before" ] ||
    e2e_fail "expected '$before' before midnight, got '$(e2e_title "$wid")'"
  e2e_ok "before midnight: $before"
  for (( ;; )); do
    title=$(e2e_title "$wid")
    now=$(e2e_ms)
    [ "$title" = "$after" ] && break
    [ "$title" = "$before" ] || e2e_fail "unexpected title '$title' around midnight"
    [ "$now" -le $(( midnight + SLACK_MS )) ] ||
      e2e_fail "still '$title' $(( now - midnight )) ms after midnight"
    sleep 0.05
  done
  [ "$now" -ge $(( midnight - 500 )) ] ||
    e2e_fail "'$after' showed $(( midnight - now )) ms before midnight: the clock was not as set"
  e2e_ok "after midnight: $after (seen $(( now - midnight )) ms after it)"
}

e2e_step "shown window: the caption turns from 6/1 to 6/2"
xsession_start
e2e_set_clock "1999-06-01 12:00:00"
e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
across_midnight "$WID" "ヨルカ (6/1)" "ヨルカ (6/2)"
e2e_key "$WID" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after Escape"
xsession_stop

e2e_step "minimised window: the title turns from 138 to 137 days"
xsession_start wm
rm -f "$E2E_INI"
e2e_set_clock "1999-06-01 12:00:00"
e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
xdotool windowminimize "$WID"
e2e_wait_title "$WID" "あと 138日"
across_midnight "$WID" "あと 138日" "あと 137日"

e2e_step "restored after midnight: the caption shows the new date"
wmctrl -i -a "$WID"
e2e_wait_title "$WID" "ヨルカ (6/2)"
e2e_ok "caption: ヨルカ (6/2)"
wmctrl -i -c "$WID"
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after the close request"
