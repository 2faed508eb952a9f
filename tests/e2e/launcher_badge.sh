#!/usr/bin/env bash
# The days left as the badge of the program's launcher entry, on a private
# session bus: one signal when the window first paints (138 on 1 June 1999
# with the defaults), nothing more while the day stays, the new count once
# the day changes, and no badge once the exam is past.
#
# Needs dbus-run-session and dbus-monitor (Debian: dbus-daemon, dbus-bin).
if [ -z "${E2E_OWN_BUS:-}" ]; then
  for tool in dbus-run-session dbus-monitor dbus-send; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
  done
  bin=${1:-}
  [ -n "$bin" ] && bin=$(realpath "$bin")
  E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$bin"
fi
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
xsession_start
MONITOR_PID=""
MONITOR_LOG="$E2E_TMP/monitor.log"

# Listens for the launcher-entry signals; returns once a marker sent through
# the bus has come back, so that nothing sent after it is missed.
monitor_start() {
  stdbuf -oL dbus-monitor --session "type='signal',interface='com.canonical.Unity.LauncherEntry'" \
    >"$MONITOR_LOG" 2>&1 &
  MONITOR_PID=$!
  e2e_poll "$E2E_PATIENCE" marked || e2e_fail "dbus-monitor does not listen"
}

marked() {
  dbus-send --session --type=signal /e2e/mark com.canonical.Unity.LauncherEntry.Mark
  grep -q 'member=Mark' "$MONITOR_LOG"
}

# monitor_sync: returns once every signal sent before it is in the log: the
# bus delivers in order, so a fresh marker come back means the rest has too.
monitor_sync() {
  local seen
  seen=$(grep -c 'member=Mark' "$MONITOR_LOG" || true)
  dbus-send --session --type=signal /e2e/mark com.canonical.Unity.LauncherEntry.Mark
  e2e_poll "$E2E_PATIENCE" marks_more_than "$seen" || e2e_fail "the marker did not come back through the bus"
}

marks_more_than() { [ "$(grep -c 'member=Mark' "$MONITOR_LOG" || true)" -gt "$1" ]; }

# badges_sent N: at least N badges are in the log.
badges_sent() { [ "$(grep -c 'member=Update' "$MONITOR_LOG" || true)" -ge "$1" ]; }

monitor_stop() {
  kill "$MONITOR_PID" 2>/dev/null || true
  wait "$MONITOR_PID" 2>/dev/null || true
}

# The badges sent so far, one "count visible" pair a line.
badges() {
  awk '/member=Update/ {n++} /int64/ {c[n]=$NF} /boolean/ {v[n]=$NF}
       END {for (i = 1; i <= n; i++) print c[i], v[i]}' "$MONITOR_LOG"
}

e2e_step "1 June 1999, the defaults: 138, then no signal on the ticks, 137 after midnight"
e2e_set_clock "1999-06-01 12:00:00"
monitor_start
e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
e2e_poll "$E2E_PATIENCE" badges_sent 1 || e2e_fail "no badge within $E2E_PATIENCE s of the first paint"
# Midnight three seconds from now: the ticks before it must send nothing.
e2e_set_clock "1999-06-01 23:59:57"
e2e_wait_title "$WID" "ヨルカ (6/2)"
e2e_poll "$E2E_PATIENCE" badges_sent 2 || e2e_fail "no new badge within $E2E_PATIENCE s of midnight"
# Three more ticks, which must send nothing either. A window for a fault to
# show in, not a wait for anything: a loaded machine only makes it shorter.
sleep 1.5
monitor_sync
e2e_expect_eq "badges from the first paint to after midnight" "138 true
137 true" "$(badges)"
grep -q 'string "application://io.github.yoruka.Yoruka.desktop"' "$MONITOR_LOG" ||
  e2e_fail "the signal names no desktop file: $(cat "$MONITOR_LOG")"
grep -q 'path=/com/canonical/unity/launcherentry/' "$MONITOR_LOG" ||
  e2e_fail "the signal comes from another object path: $(grep member=Update "$MONITOR_LOG")"
e2e_ok "for $(sed -n 's/.*string "\(application:[^"]*\)".*/\1/p' "$MONITOR_LOG" | head -n 1)"
e2e_key "$WID" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after Escape"
monitor_stop

e2e_step "an exam in the past shows no badge"
e2e_write_ini "$E2E_INI" <<EOF
[YRK]
EXAM=1999 5 1
EOF
e2e_set_clock "1999-06-01 12:00:00"
monitor_start
e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
e2e_poll "$E2E_PATIENCE" badges_sent 1 || e2e_fail "no badge within $E2E_PATIENCE s of the first paint"
monitor_sync
e2e_expect_eq "badges" "0 false" "$(badges)"
e2e_key "$WID" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after Escape"
monitor_stop

e2e_step "no session bus: the program runs as before"
rm -f "$E2E_INI"
DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/no-bus" e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
e2e_key "$WID" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after Escape"
e2e_expect_eq "saved" "Quit" "$(e2e_ini_value CALLBY)"
