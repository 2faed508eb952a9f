#!/usr/bin/env bash
# Twenty copies of the same program file started at the same moment, as an
# impatient double click or a session restore might: exactly one shows its
# window, the others end within seconds without showing anything or touching
# the settings, and the one left works.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
xsession_start

COPIES=20
e2e_write_ini "$E2E_INI" <<EOF
[YRK]
TITLE=一つだけ残る
SIZE=FALSE
POS=300 200
CALLBY=Dialog
EOF
cp "$E2E_INI" "$E2E_TMP/before.ini"

e2e_step "$COPIES copies started at once"
e2e_watch_start
pids=()
logs=()
for (( i = 0; i < COPIES; i++ )); do
  e2e_start "$E2E_APP"
  pids+=("$E2E_PID")
  logs+=("$E2E_LOG")
done

# The refused copies end by themselves; one keeps running.
start=$(e2e_ms)
for (( ;; )); do
  running=()
  for pid in "${pids[@]}"; do e2e_alive "$pid" && running+=("$pid"); done
  [ "${#running[@]}" -le 1 ] && break
  # Twenty sanitized starts at once: far slower than one on a loaded machine.
  [ $(( $(e2e_ms) - start )) -lt $(( 3 * E2E_PATIENCE * 1000 )) ] ||
    e2e_fail "${#running[@]} copies still run $(( 3 * E2E_PATIENCE )) s after the start"
  sleep 0.05
done
e2e_expect_eq "copies still running" 1 "${#running[@]}"
e2e_ok "the others ended within $(( $(e2e_ms) - start )) ms"
for (( i = 0; i < COPIES; i++ )); do
  if [ "${pids[i]}" = "${running[0]}" ]; then
    E2E_PID=${pids[i]} E2E_LOG=${logs[i]}
  else
    wait "${pids[i]}" 2>/dev/null || true
    e2e_sanitizer_check "${logs[i]}"
  fi
done

e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
e2e_expect_geometry "window (left top width height)" "$WID" "$(e2e_client_at 300 200) 225 63"
e2e_watch_stop
e2e_expect_eq "windows mapped on the display" 1 "$E2E_MAPPED"
cmp -s "$E2E_TMP/before.ini" "$E2E_INI" || e2e_fail "a copy changed the settings file"
e2e_ok "settings file untouched"
leftover=$(find "$E2E_TMP/app" -name '.yrk.ini*')
[ -z "$leftover" ] || e2e_fail "files left beside the program: $leftover"

e2e_step "the copy left works: Escape saves Quit"
e2e_key "$WID" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs $E2E_PATIENCE s after Escape"
e2e_expect_ini "$E2E_INI" <<EOF
[YRK]
TITLE=一つだけ残る
SIZE=FALSE
POS=300 200
CALLBY=Quit
START=1999 4 19
EXAM=1999 10 17
NEXAM=2000 4 16
SHOWNEXTEXAM=FALSE
EOF

e2e_step "once it has ended, a new copy starts"
e2e_start "$E2E_APP"
e2e_window
e2e_key "$WID" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs $E2E_PATIENCE s after Escape"
