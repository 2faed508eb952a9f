#!/usr/bin/env bash
# Starts that are refused end at once and show nothing: any argument, and a
# second copy of the program while one runs (also from another folder). A copy
# under another name runs beside it; blank arguments count as none (on
# Windows, where the quotes round them stay, they do not).
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
xsession_start

ini_sum() {
  if [ -f "$E2E_INI" ]; then cksum <"$E2E_INI"; else echo none; fi
}

# refused WHAT ARGS...: the start must end at once, map no window and
# leave the settings file as it was.
refused() {
  local what=$1 before after start
  shift
  before=$(ini_sum)
  e2e_watch_start
  start=$(e2e_ms)
  e2e_start "$@"
  # A copy that runs would never end; the limit only allows for a loaded machine.
  e2e_wait_exit "$E2E_PID" || e2e_fail "$what: still running after $E2E_PATIENCE s"
  e2e_ok "$what: ended after $(( $(e2e_ms) - start )) ms"
  e2e_watch_stop
  e2e_expect_eq "$what: windows shown" 0 "$E2E_MAPPED"
  after=$(ini_sum)
  [ "$before" = "$after" ] || e2e_fail "$what: the settings file changed"
  e2e_ok "$what: settings file untouched"
}

e2e_step "any argument ends the program at once, with no other copy running"
refused "yoruka x" "$E2E_APP" x
refused "yoruka ' x'" "$E2E_APP" " x"
refused "yoruka -platform xcb (toolkit options are arguments too)" "$E2E_APP" -platform xcb
[ -e "$E2E_INI" ] && e2e_fail "a refused start wrote a settings file"
e2e_ok "no settings file written"

e2e_step "a first copy runs (and the watcher sees its window)"
e2e_write_ini "$E2E_INI" <<EOF
[YRK]
TITLE=一つだけ
SIZE=FALSE
POS=10 20
CALLBY=Dialog
EOF
e2e_watch_start
e2e_start "$E2E_APP"
first_pid=$E2E_PID
first_log=$E2E_LOG
e2e_window
first_wid=$WID
e2e_wait_title "$first_wid" "ヨルカ (6/1)"
e2e_watch_stop
[ "$E2E_MAPPED" -ge 1 ] || e2e_fail "the watcher saw no window when the first copy showed one"
e2e_ok "first copy shown"

e2e_step "a second copy ends at once while the first runs"
refused "second copy, same file" "$E2E_APP"
mkdir "$E2E_TMP/elsewhere"
cp "$E2E_APP" "$E2E_TMP/elsewhere/yoruka$E2E_EXE"
refused "second copy from another folder" "$E2E_TMP/elsewhere/yoruka$E2E_EXE"
[ -e "$E2E_TMP/elsewhere/yrk.ini" ] && e2e_fail "the refused copy wrote a settings file in its folder"
e2e_alive "$first_pid" || e2e_fail "the first copy ended"
e2e_expect_eq "first copy's window" "$(e2e_client_at 10 20) 225 63" "$(e2e_geometry "$first_wid")"

e2e_step "a copy under another name runs beside the first"
mkdir "$E2E_TMP/other"
cp "$E2E_APP" "$E2E_TMP/other/yoruka-b$E2E_EXE"
e2e_start "$E2E_TMP/other/yoruka-b$E2E_EXE"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
e2e_key "$WID" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "yoruka-b still runs after Escape"
e2e_expect_eq "yoruka-b's own settings file, CALLBY" "Quit" \
  "$(e2e_ini_value CALLBY "$E2E_TMP/other/yrk.ini")"

e2e_step "the first copy closes and saves; then a new copy may start"
E2E_LOG=$first_log
e2e_key "$first_wid" Escape
e2e_wait_exit "$first_pid" || e2e_fail "the first copy still runs after Escape"
e2e_expect_eq "CALLBY" "Quit" "$(e2e_ini_value CALLBY)"
e2e_expect_eq "TITLE" "一つだけ" "$(e2e_ini_value TITLE)"

if [ "$E2E_OS" = windows ]; then
  # The command line keeps the quotes round blank arguments: they are text.
  e2e_step "blank arguments in quotes are arguments on Windows"
  refused "yoruka '' ' '" "$E2E_APP" "" " "
  exit 0
fi
e2e_step "blank arguments count as none: the program runs"
e2e_start "$E2E_APP" "" " " "	"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
e2e_key "$WID" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after Escape"
e2e_expect_eq "CALLBY" "Quit" "$(e2e_ini_value CALLBY)"
