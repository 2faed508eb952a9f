#!/usr/bin/env bash
# No display, or one that goes away. A start without a usable display says
# so in one line and ends with status 1; a start with an argument still ends
# at once with 0. The X server dying under the window, or under a dialog of
# it, ends the program with status 1, without a crash and without a save.
. "$(dirname "$0")/lib.sh"
e2e_init "$1"
# The test's own display, for the rows that lose it; the program starts
# without it where a row says so.
xsession_start
ASAN="detect_leaks=0:verify_asan_link_order=0"

# start_without EXPECTED-STATUS EXPECTED-LINES ENV...: the program started
# with the environment changed so ends with that status and that many lines
# on standard error (the first, if any, the one saying why).
start_without() {
  local status=0 want=$1 lines=$2 err="$E2E_TMP/stderr.log" what
  shift 2
  what="${*:-neither DISPLAY nor WAYLAND_DISPLAY}${ARGS[*]:+, the argument ${ARGS[*]}}"
  # A start that never ends is the fault; 60 s is far beyond a start.
  env -u DISPLAY -u WAYLAND_DISPLAY ASAN_OPTIONS=$ASAN "$@" timeout 60 "$E2E_APP" "${ARGS[@]}" 2>"$err" || status=$?
  E2E_LOG=$err
  e2e_sanitizer_check "$err"
  e2e_expect_eq "$what: exit status" "$want" "$status"
  e2e_expect_eq "$what: lines on standard error" "$lines" "$(wc -l <"$err")"
  [ "$lines" = 0 ] || grep -q '^yoruka: cannot open a window: no display could be reached' "$err" ||
    e2e_fail "$what: standard error says: $(cat "$err")"
  [ -e "$E2E_INI" ] && e2e_fail "$what: a settings file was written"
  return 0
}

e2e_step "no usable display: one line, status 1"
ARGS=()
start_without 1 1
start_without 1 1 WAYLAND_DISPLAY=no-such-compositor
start_without 1 1 XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=no-such-compositor
start_without 1 1 QT_QPA_PLATFORM=bogus
ARGS=(x)
start_without 0 0
start_without 0 0 QT_QPA_PLATFORM=bogus

gone() { ! e2e_alive "$1"; }

# lose_display_with SETUP-OPEN: the window up on a display that is then
# killed, with the setup dialog open in front of it or not.
lose_display_with() {
  local status=0
  e2e_write_ini "$E2E_INI" <<EOF
[YRK]
SIZE=TRUE
POS=100 100
EOF
  cp "$E2E_INI" "$E2E_TMP/before.ini"
  [ -n "$XSESSION_XVFB_PID" ] || xsession_start
  e2e_start "$E2E_APP"
  e2e_window
  e2e_wait_title "$WID" "ヨルカ (6/1)"
  if [ "$1" = yes ]; then
    e2e_context_menu "$WID" Down Return
    e2e_find_titled "初期設定"
  fi
  kill "$XSESSION_XVFB_PID"
  wait "$XSESSION_XVFB_PID" 2>/dev/null || true
  XSESSION_XVFB_PID=""
  e2e_poll "$E2E_PATIENCE" gone "$E2E_PID" ||
    e2e_fail "the program still runs $E2E_PATIENCE s after its display died"
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
