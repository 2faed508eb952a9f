#!/usr/bin/env bash
# A Wayland session without X: the program runs natively there, where a
# window learns nothing of its place. A session end still saves, keeps the
# stored position, and nothing is said on the terminal about what Wayland
# cannot do.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
unset DISPLAY
E2E_PLATFORM=""
e2e_weston_start

for size in TRUE FALSE; do
  e2e_step "SIGTERM with the stored position 120 80, SIZE=$size"
  e2e_write_ini "$E2E_INI" <<EOF
[YRK]
TITLE=情報処理技術者試験まで
SIZE=$size
POS=120 80
CALLBY=Dialog
EOF
  e2e_start "$E2E_APP"
  e2e_wayland_window "ヨルカ (6/1)"
  kill -TERM "$E2E_PID"
  e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs $E2E_PATIENCE s after SIGTERM"
  e2e_expect_ini "$E2E_INI" <<EOF
[YRK]
TITLE=情報処理技術者試験まで
SIZE=$size
POS=120 80
CALLBY=EndSession
START=1999 4 19
EXAM=1999 10 17
NEXAM=2000 4 16
SHOWNEXTEXAM=FALSE
EOF
  [ -s "$E2E_LOG" ] && { cat "$E2E_LOG" >&2; e2e_fail "the program wrote to the terminal"; }
  e2e_ok "nothing on the terminal"
done
