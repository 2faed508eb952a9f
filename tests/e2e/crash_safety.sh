#!/usr/bin/env bash
# The program killed (SIGKILL) at moments around its saves never leaves a
# settings file that is missing, empty, cut short or mixed: after every kill
# the file holds either the whole content from before the save or the whole
# new one, and the next start reads it.
#
# Each round starts the program on the settings the last round left, with
# the numbers in them spread out by extra blanks (read alike, written back
# single-spaced, so that a save changes five of the nine lines), asks it to
# save (SIGTERM saves EndSession, Escape saves Quit; the road is picked so
# that the reason changes too), waits and kills it. How long it waits
# follows what the kills found, for each road on its own: longer after a
# kill that found the old file, shorter after one that found the new one.
# So the kills gather round the moment the new file takes the old one's
# place, on both sides of it, however fast or loaded the machine is; a kill
# that leaves a temporary file behind landed inside the save. Both sides
# must have been hit, or the rounds proved nothing.
#
#   E2E_CRASH_RUNS    rounds at most (default 80)
#   E2E_CRASH_SECONDS no round starts after this many seconds (default 120)
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
xsession_start

RUNS=${E2E_CRASH_RUNS:-80}
BUDGET_S=${E2E_CRASH_SECONDS:-120}
# The first wait: a save is over about a millisecond after the request on a
# quiet machine. A wait doubles after each kill that came too early, up to a
# limit far beyond any save.
FIRST_WAIT_US=1000
LONGEST_WAIT_US=5000000

# Short waits are spent in a loop of the shell itself: starting a program
# (sleep) would take longer than the save.
spin() { local i; for (( i = 0; i < $1; i++ )); do :; done; }
t0=$(date +%s%N)
spin 200000
t1=$(date +%s%N)
SPINS_PER_MS=$(( 200000 * 1000000 / (t1 - t0 + 1) + 1 ))
e2e_ok "the shell counts $SPINS_PER_MS loops a millisecond"

# pause US: lets about US microseconds pass.
pause() {
  if [ "$1" -lt 50000 ]; then
    spin $(( $1 * SPINS_PER_MS / 1000 ))
  else
    sleep "$(( $1 / 1000000 )).$(printf '%06d' $(( $1 % 1000000 )))"
  fi
}

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
temporaries() { find "$E2E_TMP/app" -name '.yrk.ini.*' | sort; }

old="$E2E_TMP/old.ini"
new="$E2E_TMP/new.ini"
reason=Dialog
kept_old=0
took_new=0
inside=0
declare -A wait_us=([TERM]=$FIRST_WAIT_US [Escape]=$FIRST_WAIT_US)
for (( run = 1; run <= RUNS && SECONDS < BUDGET_S; run++ )); do
  settings "$reason" | spread >"$old"
  cp "$old" "$E2E_INI"
  if [ "$reason" = EndSession ]; then road=Escape reason=Quit; else road=TERM reason=EndSession; fi
  settings "$reason" >"$new"
  # A spread of a factor of two round the road's wait, so that no two kills
  # land alike.
  this_us=$(( wait_us[$road] * (50 + RANDOM % 101) / 100 ))
  e2e_start "$E2E_APP"
  e2e_window
  temporaries >"$E2E_TMP/temporaries.before"
  if [ "$road" = TERM ]; then
    kill -TERM "$E2E_PID"
  else
    # The key reaches the program a moment after xdotool sends it.
    xdotool key --window "$WID" Escape 2>/dev/null || true
  fi
  pause "$this_us"
  kill -KILL "$E2E_PID" 2>/dev/null || true
  wait "$E2E_PID" 2>/dev/null || true
  [ "$road" = Escape ] && xdotool keyup Escape 2>/dev/null || true
  e2e_sanitizer_check "$E2E_LOG"
  [ -n "$(temporaries | comm -13 "$E2E_TMP/temporaries.before" -)" ] && inside=$((inside + 1))

  if cmp -s "$E2E_INI" "$old"; then
    kept_old=$((kept_old + 1))
    reason=$(sed -n 's/^CALLBY=//p' "$old")
    wait_us[$road]=$(( wait_us[$road] * 2 ))
    [ "${wait_us[$road]}" -le "$LONGEST_WAIT_US" ] || wait_us[$road]=$LONGEST_WAIT_US
  elif cmp -s "$E2E_INI" "$new"; then
    took_new=$((took_new + 1))
    wait_us[$road]=$(( wait_us[$road] * 2 / 3 + 1 ))
  else
    echo "round $run: $road, killed after ${this_us} us; the file holds:" >&2
    if [ -e "$E2E_INI" ]; then od -c "$E2E_INI" | head -n 20 >&2; else echo "(no file)" >&2; fi
    e2e_fail "round $run left a settings file that is neither the old one nor the new one"
  fi
done
rounds=$((run - 1))

e2e_step "after $rounds kills in $SECONDS s"
echo "waits round which the kills gathered: SIGTERM ${wait_us[TERM]} us, Escape ${wait_us[Escape]} us"
echo "kills inside a save (a temporary file left behind): $inside"
[ "$kept_old" -gt 0 ] && [ "$took_new" -gt 0 ] ||
  e2e_fail "the kills found $kept_old times the old file and $took_new times the new one: they never landed on both sides of a save"
e2e_ok "survived $rounds kills: $kept_old times the old file, $took_new times the new one, never anything else"
# Whatever the kills left beside it, the program still starts on the file
# and saves.
e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
e2e_expect_geometry "window (left top width height)" "$WID" "$(e2e_client_at 200 150) 225 193"
e2e_key "$WID" Return
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after Return"
settings Quit | iconv -f CP932 -t UTF-8 | e2e_expect_ini "$E2E_INI"
e2e_expect_eq "temporary files left after one good save" 0 \
  "$(find "$E2E_TMP/app" -name '.yrk.ini.*' | wc -l)"
