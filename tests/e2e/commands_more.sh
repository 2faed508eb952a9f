#!/usr/bin/env bash
# The countdown window's commands, further roads: the context menu opened
# with the mouse (at the click) and from the keyboard (at the screen's top
# left corner), chosen with the keyboard; setup cancelled with and without a
# settings file; where the day-count dialog opens and the count it opens with;
# the About box from the system menu and from the context menu; and F1 with
# and without a help file beside the program. None of these roads but the
# setup dialog's OK may save.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"
xsession_start

# A stand-in browser: the help opens in whatever xdg-open the PATH gives, so
# this one records the address it is asked for and shows nothing.
BROWSER_LOG="$E2E_TMP/browser.log"
mkdir "$E2E_TMP/stub"
cat >"$E2E_TMP/stub/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>'$BROWSER_LOG'
EOF
chmod +x "$E2E_TMP/stub/xdg-open"
export PATH="$E2E_TMP/stub:$PATH"
# The help's address as the browser gets it. Wine's winebrowser reads a file
# address's #topic as part of the file name, finds no such file and passes
# the address on in its DOS form.
HELP_REAL=$(realpath "$E2E_APP")
HELP_REAL=${HELP_REAL%.exe}.html
HELP_URL="file://$HELP_REAL"
if [ "$E2E_OS" = windows ]; then
  HELP_URL=${HELP_REAL//\//\\}
  HELP_URL="file://Z:$HELP_URL"
fi

# menu_windows: the program's pop-up menus on the screen (override-redirect
# windows; its dialogs and message boxes are ordinary top-level windows).
menu_windows() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null || true); do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && echo "$w"
  done
  return 0
}

# open_menu WHAT X Y COMMAND...: runs the command that opens a menu, waits for
# it, and checks that exactly one menu came up with its top-left corner at
# X Y. MENU becomes that menu.
open_menu() {
  local what=$1 x=$2 y=$3 menus
  shift 3
  "$@"
  e2e_poll "$E2E_PATIENCE" menu_shown || e2e_fail "$what: no menu within $E2E_PATIENCE s"
  e2e_grace   # a second menu opened by the same request would come now
  menus=$(menu_windows)
  [ "$(wc -l <<<"$menus")" -eq 1 ] ||
    e2e_fail "$what: $(wc -l <<<"$menus") menus opened at once"
  MENU=$menus
  e2e_expect_eq "$what: menu's top-left corner" "$x $y" "$(e2e_geometry "$MENU" | cut -d' ' -f1-2)"
}

menu_shown() { [ -n "$(menu_windows)" ]; }
no_menu_shown() { [ -z "$(menu_windows)" ]; }

right_click() { xdotool mousemove --window "$MAIN" "$1" "$2" click 3; }

# system_menu: the system menu by Alt+Space, at the window's top-left
# corner. Wine hangs it from the caption's icon button, whose bottom row is
# the one above the client area.
declare -A SYSTEM_MENU_UP=([linux]=0 [windows]=1)
system_menu() {
  open_menu "Alt+Space" "$MAIN_X" $((MAIN_Y - SYSTEM_MENU_UP[$E2E_OS])) e2e_key "$MAIN" alt+space
}

# choose KEY...: walks the open menu with the keys (it holds the keyboard).
choose() {
  xdotool key "$@"
  e2e_wait_gone "$MENU"
}

# context_menu KEY...: the context menu by a right click, walked with the keys.
context_menu() {
  open_menu "right click" $((MAIN_X + 20)) $((MAIN_Y + 20)) right_click 20 20
  choose "$@"
}

# stamp: the settings file's inode and contents. A save replaces the file by
# a new one, so even a save of the same bytes changes the stamp.
stamp() {
  if [ -f "$E2E_INI" ]; then echo "$(stat -c %i "$E2E_INI") $(cksum <"$E2E_INI")"; else echo none; fi
}

expect_unsaved() {
  [ "$(stamp)" = "$1" ] || e2e_fail "$2 saved the settings"
  e2e_ok "$2: nothing saved ($( [ "$1" = none ] && echo 'still no settings file' || echo 'same file, same bytes'))"
}

no_message_box() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null || true); do
    [ "$w" = "$MAIN" ] && continue
    e2e_fail "an unexpected window is shown: '$(e2e_title "$w")'"
  done
}

# browser_calls: how many addresses the stand-in browser was given.
browser_calls() { if [ -f "$BROWSER_LOG" ]; then wc -l <"$BROWSER_LOG"; else echo 0; fi; }

browser_called() { [ "$(browser_calls)" -ge "$1" ]; }

# expect_browser N URL: the Nth address the browser gets is URL.
expect_browser() {
  local n=$1 url=$2
  e2e_poll "$E2E_PATIENCE" browser_called "$n" ||
    e2e_fail "the browser was not started within $E2E_PATIENCE s (for $url)"
  e2e_expect_eq "browser call $n" "$url" "$(sed -n "${n}p" "$BROWSER_LOG")"
}

# About box: 174 x 35 dialog units, 261 x 53 pixels, centred over the
# main window. On Windows the outer rectangles are centred; both windows
# have the same frame, so their client areas are centred alike.
about_box() {
  local what=$1 cx cy
  e2e_find_titled "ヨルカ(Ver.1.5)について ..."
  cx=$(( (MAIN_X + MAIN_X + 225) / 2 - 261 / 2 ))
  cy=$(( (MAIN_Y + MAIN_Y + 63) / 2 - 53 / 2 ))
  e2e_expect_eq "$what: About box (left top width height)" "$cx $cy 261 53" "$(e2e_geometry "$WID")"
  # A right click leaves it open; a left click anywhere closes it.
  xdotool mousemove --window "$WID" 200 40 click 3
  e2e_grace
  xwininfo -id "$WID" | grep -q IsViewable || e2e_fail "$what: a right click closed the About box"
  xdotool mousemove --window "$WID" 200 40 click 1
  e2e_wait_gone "$WID"
  e2e_ok "$what: About box closed by a left click"
}

# Day-count dialog: 239 x 89 dialog units, 359 x 134 pixels.
DAYCOUNT_W=359
DAYCOUNT_H=134
read -r _ FRAME_T _ FRAME_B < <(e2e_frame)


start_main() {
  e2e_start "$E2E_APP"
  e2e_window
  MAIN=$WID
  e2e_wait_title "$MAIN" "ヨルカ (6/1)"
  read -r MAIN_X MAIN_Y _ < <(e2e_geometry "$MAIN")
}

# The default place of the short window on 1024x768, as stored: the outer
# rectangle's, the frame's on Windows.
declare -A DEFAULT_POS=([linux]="398 297" [windows]="395 284")
DEFAULT_MAIN="$(e2e_client_at ${DEFAULT_POS[$E2E_OS]}) 225 63"

e2e_step "no settings file: the short window at its default place"
start_main
e2e_expect_eq "main window" "$DEFAULT_MAIN" "$(e2e_geometry "$MAIN")"

e2e_step "right click: the menu at the click; the fifth step down wraps to its first item"
# Four items: 初期設定, 日数計算, ヨルカについて ..., 終了.
context_menu Down Down Down Down Down Return
e2e_find_titled "初期設定"
setup=$WID
# Switch the graph on, then cancel with the button キャンセル (120, 175 units).
xdotool mousemove --window "$setup" 40 187 click 1
xdotool mousemove --window "$setup" 226 273 click 1
e2e_wait_gone "$setup"
expect_unsaved none "setup cancelled with キャンセル"
e2e_expect_eq "main window after cancel" "$DEFAULT_MAIN" "$(e2e_geometry "$MAIN")"

e2e_step "the menu key: one menu at the screen's top-left corner, closed by one Escape"
open_menu "menu key" 0 0 e2e_key "$MAIN" Menu
xdotool key Escape
e2e_poll "$E2E_PATIENCE" no_menu_shown || e2e_fail "a menu is still open $E2E_PATIENCE s after Escape"
e2e_ok "no menu left open"

e2e_step "Shift+F10: the menu at the top-left corner; its third item opens the About box"
open_menu "Shift+F10" 0 0 e2e_key "$MAIN" shift+F10
choose Down Down Down Return
about_box "context menu"
expect_unsaved none "the About box from the context menu"

e2e_step "Alt+Space: the system menu; its last item opens the About box"
system_menu
choose Up Return
about_box "system menu"
expect_unsaved none "the About box from the system menu"

e2e_step "F1 without a help file: the failure message, closed with Return"
e2e_key "$MAIN" F1
e2e_message_box
box=$WID
e2e_ok "message box captioned 'yoruka'"
e2e_key "$box" Return
e2e_wait_gone "$box"
e2e_grace
e2e_expect_eq "browser calls without a help file" 0 "$(browser_calls)"
e2e_alive "$E2E_PID" || e2e_fail "the program ended"

e2e_step "day-count dialog: below the main window, counting from 1 January to today"
context_menu Down Down Return
e2e_find_titled "日数計算ダイアログ"
daycount=$WID
# Centred under the window (398 + 225 / 2 - 359 / 2), its top on the
# window's bottom edge (297 + 63). On Windows both are outer rectangles:
# 395 + 231 / 2 - 365 / 2, and 284 + 88.
declare -A DAYCOUNT_AT=([linux]="331 360" [windows]="328 372")
e2e_expect_eq "day-count dialog (left top width height)" \
  "$(e2e_client_at ${DAYCOUNT_AT[$E2E_OS]}) $DAYCOUNT_W $DAYCOUNT_H" "$(e2e_geometry "$daycount")"
e2e_key "$daycount" F1
e2e_message_box
box=$WID
e2e_key "$box" Return
e2e_wait_gone "$box"
xwininfo -id "$daycount" | grep -q IsViewable || e2e_fail "the day-count dialog closed with the message"
e2e_ok "F1 in the dialog: the failure message; the dialog stays open"
# The count field (1025, at 55, 70 units) is copied to the clipboard here and
# pasted as the exam title in the setup dialog below: the settings file then
# shows what the field held.
# The click reaches the program before the keys: the display server keeps
# the order of the input it is given.
xdotool mousemove --window "$daycount" 105 114 click 1
e2e_key "$daycount" Home shift+End ctrl+c
e2e_key "$daycount" Escape
e2e_wait_gone "$daycount"
expect_unsaved none "the day-count dialog"

e2e_step "the count pasted as the exam title, setup OK: the first save"
context_menu Down Return
e2e_find_titled "初期設定"
setup=$WID
e2e_key "$setup" Home shift+End ctrl+v Return
e2e_wait_gone "$setup"
# 1 January 1999 to 1 June 1999: 31 + 28 + 31 + 30 + 31 days.
e2e_expect_ini "$E2E_INI" <<EOF
[YRK]
TITLE=151
START=1999 4 19
EXAM=1999 10 17
NEXAM=2000 4 16
SIZE=FALSE
SHOWNEXTEXAM=FALSE
POS=${DEFAULT_POS[$E2E_OS]}
CALLBY=Dialog
EOF

e2e_step "setup cancelled with Escape while a settings file exists"
saved=$(stamp)
context_menu Down Return
e2e_find_titled "初期設定"
setup=$WID
xdotool mousemove --window "$setup" 40 187 click 1
e2e_key "$setup" Escape
e2e_wait_gone "$setup"
expect_unsaved "$saved" "setup cancelled with Escape"
e2e_expect_eq "main window after cancel" "$DEFAULT_MAIN" "$(e2e_geometry "$MAIN")"

e2e_step "the About box with a settings file: neither road saves"
system_menu
choose Up Return
about_box "system menu"
context_menu Down Down Down Return
about_box "context menu"
expect_unsaved "$saved" "the About box, both roads"

e2e_step "a help file beside the program: F1 opens it at the topic of the window"
cp "$E2E_SRC/../../help/yoruka.html" "$E2E_TMP/app/yoruka.html"
e2e_key "$MAIN" F1
expect_browser 1 "$HELP_URL#131174"
context_menu Down Down Return
e2e_find_titled "日数計算ダイアログ"
daycount=$WID
e2e_key "$daycount" F1
expect_browser 2 "$HELP_URL#131206"
e2e_key "$daycount" Escape
e2e_wait_gone "$daycount"
e2e_grace
no_message_box
e2e_expect_eq "browser calls" 2 "$(browser_calls)"
expect_unsaved "$saved" "help"

e2e_step "Escape still ends the program with Quit"
e2e_key "$MAIN" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after Escape"
e2e_expect_eq "CALLBY" "Quit" "$(e2e_ini_value CALLBY)"
e2e_expect_eq "TITLE" "151" "$(e2e_ini_value TITLE)"

e2e_step "main window low on the left: the day-count dialog above it, at the left edge"
# Its bottom (663) is below 768 - 134 - 20, and centring would put the
# dialog at x -67.
e2e_write_ini "$E2E_INI" <<EOF
[YRK]
SIZE=FALSE
POS=0 600
EOF
start_main
e2e_expect_eq "main window" "$(e2e_client_at 0 600) 225 63" "$(e2e_geometry "$MAIN")"
context_menu Down Down Return
e2e_find_titled "日数計算ダイアログ"
e2e_expect_eq "day-count dialog (left top width height)" \
  "$(e2e_client_at 0 $(( 600 - DAYCOUNT_H - FRAME_T - FRAME_B ))) $DAYCOUNT_W $DAYCOUNT_H" "$(e2e_geometry "$WID")"
e2e_key "$WID" Escape
e2e_wait_gone "$WID"
e2e_key "$MAIN" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after Escape"
