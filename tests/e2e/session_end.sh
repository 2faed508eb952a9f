#!/usr/bin/env bash
# The end of the session (on Linux SIGTERM at shutdown and SIGHUP when the
# terminal or the login goes away, on Windows the session-end query): the program saves with EndSession, where its window
# stands, and ends without a further Quit save.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
xsession_start

for way in $(e2e_end_session_ways); do
  e2e_step "$way while the window is shown"
  e2e_write_ini "$E2E_INI" <<EOF
[YRK]
TITLE=情報処理技術者試験まで
SIZE=TRUE
POS=120 80
CALLBY=Dialog
EOF
  e2e_start "$E2E_APP"
  e2e_window
  e2e_wait_title "$WID" "ヨルカ (6/1)"
  e2e_expect_eq "window (left top width height)" "$(e2e_client_at 120 80) 225 193" "$(e2e_geometry "$WID")"
  e2e_end_session "$way"
  e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs $E2E_PATIENCE s after $way"
  e2e_expect_ini "$E2E_INI" <<EOF
[YRK]
TITLE=情報処理技術者試験まで
SIZE=TRUE
POS=120 80
CALLBY=EndSession
START=1999 4 19
EXAM=1999 10 17
NEXAM=2000 4 16
SHOWNEXTEXAM=FALSE
EOF
done
