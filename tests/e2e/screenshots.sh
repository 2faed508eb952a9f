#!/usr/bin/env bash
# Pictures of the short and the tall window for the documentation, on
# 1999-06-01 with the count to the next exam shown:
#   tests/e2e/screenshots.sh build/<dir>/app/yoruka [output folder]
# Not a test: it checks nothing but that the window comes up.
. "$(dirname "$0")/lib.sh"
out=$(cd "$(dirname "$0")/../.." && pwd)/docs/screenshots
[ $# -ge 2 ] && out=$2
e2e_init "$1"
mkdir -p "$out"
# The Windows build's pictures are named apart.
suffix=""
[ "$E2E_OS" = windows ] && suffix=-windows
xsession_start

for variant in short:FALSE tall:TRUE; do
  name=${variant%%:*}
  e2e_write_ini "$E2E_INI" <<EOF
[YRK]
TITLE=99年度秋期情報処理技術者試験まで
START=1999 4 19
EXAM=1999 10 17
NEXAM=2000 4 16
SIZE=${variant#*:}
SHOWNEXTEXAM=TRUE
EOF
  e2e_start "$E2E_APP"
  e2e_window
  e2e_wait_title "$WID" "ヨルカ (6/1)"
  sleep 0.5   # let the first paint reach the screen
  import -window "$WID" "$out/main-$name$suffix.png"
  echo "$out/main-$name$suffix.png"
  e2e_key "$WID" Escape
  e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after Escape"
done
