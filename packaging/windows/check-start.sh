#!/usr/bin/env bash
# yoruka.exe started as Explorer or a shortcut starts it (ShellExecute, here
# through Wine's "start") on a virtual display: its countdown window shows
# and no console comes with it, neither a console process nor its window.
#   check-start.sh <yoruka.exe> <wine loader>     (WINEPREFIX set, made ready)
set -euo pipefail
exe=$1
wine=$2
: "${WINEPREFIX:?set WINEPREFIX}"
export WINEDEBUG=-all LANG=ja_JP.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
. "$(dirname "$0")/../../tests/e2e/xsession.sh"
work=$(mktemp -d)
program=""
cleanup() {
  if [ -n "$program" ]; then
    kill -KILL "$program" 2>/dev/null
    # Not our child: once ended it may stay a zombie nobody reaps.
    while [ -n "$(sed -n 's/.*) \([^Z]\).*/\1/p' "/proc/$program/stat" 2>/dev/null)" ]; do sleep 0.05; done
  fi
  xsession_stop
  rm -rf "$work"
}
trap cleanup EXIT
# A copy of its own: the program writes its settings beside itself.
cp "$exe" "$work/yoruka.exe"
xsession_start "" 1024x768

# The prefix's Wine processes of a Windows program's file name.
wine_processes() {
  local pid
  for pid in $(pgrep -x "$1" || true); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
  return 0
}

# start returns once ShellExecute has started the program.
"$wine" start /unix "$work/yoruka.exe" </dev/null
program=$(wine_processes yoruka.exe | sed -n 1p)
[ -n "$program" ] || { echo "FAIL the program did not start"; exit 1; }
window=$(xsession_wait_window "$program" 60) || { echo "FAIL no window of the program"; exit 1; }
echo "ok   the countdown window: $(xdotool getwindowname "$window")"

fail=0
# A console process comes before the program's first line runs.
consoles=$(wine_processes conhost.exe | xargs)
if [ -z "$consoles" ]; then echo "ok   no console process"; else echo "FAIL console processes: $consoles"; fail=1; fi
others=$(xdotool search --onlyvisible --name '.+' 2>/dev/null | grep -vx "$window" |
         while read -r id; do xdotool getwindowname "$id"; done || true)
if [ -z "$others" ]; then echo "ok   no other window"; else echo "FAIL other windows: $others"; fail=1; fi
exit $fail
