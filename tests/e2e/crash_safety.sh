#!/usr/bin/env bash
# The program killed (SIGKILL) at random moments around its saves never
# leaves a settings file that is missing, empty, cut short or mixed: after
# every kill the file holds either the whole content from before the save or
# the whole new one, and the next start reads it.
#
# Each round starts the program on the settings the last round left, with
# the numbers in them spread out by extra blanks (read alike, written back
# single-spaced, so that a save changes five of the nine lines), asks it to
# save (SIGTERM saves EndSession, Escape saves Quit; the road is picked so
# that the reason changes too), waits a random time and kills it. The waits spread over the first milliseconds after the request, where
# the save happens (it starts well under a millisecond after SIGTERM and
# takes about one).
#
#   E2E_CRASH_RUNS   rounds (default 200)
#   E2E_CRASH_MAX_US longest wait before the kill, in microseconds (default 3000)
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
xsession_start

RUNS=${E2E_CRASH_RUNS:-200}
MAX_US=${E2E_CRASH_MAX_US:-3000}

# The waits are spent in a loop of the shell itself: starting a program
# (sleep) would take longer than the save.
spin() { local i; for (( i = 0; i < $1; i++ )); do :; done; }
t0=$(date +%s%N)
spin 200000
t1=$(date +%s%N)
SPINS_PER_MS=$(( 200000 * 1000000 / (t1 - t0 + 1) ))
e2e_ok "the shell counts $SPINS_PER_MS loops a millisecond"

# settings REASON: the file as the program writes it.
settings() {
  e2e_write_ini /dev/stdout <<EOF
[YRK]
TITLE=落ちても壊れない設定
START=2000 4 16
EXAM=2000 10 15
NEXAM=2001 4 15
SIZE=TRUE
SHOWNEXTEXAM=TRUE
POS=200 150
CALLBY=$1
EOF
}
spread() { sed '/^\(START\|EXAM\|NEXAM\|POS\)=/s/ /   /g'; }

old="$E2E_TMP/old.ini"
new="$E2E_TMP/new.ini"
reason=Dialog
kept_old=0
took_new=0
for (( run = 1; run <= RUNS; run++ )); do
  settings "$reason" | spread >"$old"
  cp "$old" "$E2E_INI"
  if [ "$reason" = EndSession ]; then road=Escape reason=Quit; else road=TERM reason=EndSession; fi
  settings "$reason" >"$new"
  wait_us=$(( RANDOM % (MAX_US + 1) ))
  e2e_start "$E2E_APP"
  e2e_window
  if [ "$road" = TERM ]; then
    kill -TERM "$E2E_PID"
  else
    # The key reaches the program a moment after xdotool sends it.
    xdotool key --window "$WID" Escape 2>/dev/null || true
  fi
  spin $(( wait_us * SPINS_PER_MS / 1000 ))
  kill -KILL "$E2E_PID" 2>/dev/null || true
  wait "$E2E_PID" 2>/dev/null || true
  [ "$road" = Escape ] && xdotool keyup Escape 2>/dev/null || true
  e2e_sanitizer_check "$E2E_LOG"

  if cmp -s "$E2E_INI" "$old"; then
    kept_old=$((kept_old + 1))
    reason=$(sed -n 's/^CALLBY=//p' "$old")
  elif cmp -s "$E2E_INI" "$new"; then
    took_new=$((took_new + 1))
  else
    echo "round $run: $road, killed after ${wait_us} us; the file holds:" >&2
    if [ -e "$E2E_INI" ]; then od -c "$E2E_INI" | head -n 20 >&2; else echo "(no file)" >&2; fi
    e2e_fail "round $run left a settings file that is neither the old one nor the new one"
  fi
done
temporaries=$(find "$E2E_TMP/app" -name '.yrk.ini.*' | wc -l)

e2e_step "after $RUNS kills"
e2e_ok "survived $RUNS kills: $kept_old times the old file, $took_new times the new one, never anything else"
echo "temporary files left by kills inside a save: $temporaries"
# Whatever the kills left beside it, the program still starts on the file
# and saves.
e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)" 10
e2e_expect_geometry "window (left top width height)" "$WID" "$(e2e_client_at 200 150) 225 193"
e2e_key "$WID" Return
e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program still runs after Return"
settings Quit | iconv -f CP932 -t UTF-8 | e2e_expect_ini "$E2E_INI"
e2e_expect_eq "temporary files left after one good save" 0 \
  "$(find "$E2E_TMP/app" -name '.yrk.ini.*' | wc -l)"
