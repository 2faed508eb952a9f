#!/usr/bin/env bash
# Pictures of the context menu and the three dialogs for the documentation,
# on 1999-06-01 with the tall window at (100, 100) and no window manager:
#   tests/e2e/dialog_screenshots.sh build/<dir>/app/yoruka [output folder]
# Not a test: it checks nothing but that each window comes up.
. "$(dirname "$0")/lib.sh"
out=$(cd "$(dirname "$0")/../.." && pwd)/docs/screenshots
[ $# -ge 2 ] && out=$2
E2E_NAME=dialog-screenshots
e2e_init "$1"
mkdir -p "$out"
# The Windows build's pictures are named apart.
suffix=""
[ "$E2E_OS" = windows ] && suffix=-windows
xsession_start
e2e_write_ini "$E2E_INI" <<EOF_INI
[YRK]
TITLE=99年度秋期情報処理技術者試験まで
START=1999 4 19
EXAM=1999 10 17
NEXAM=2000 4 16
SIZE=TRUE
SHOWNEXTEXAM=TRUE
POS=100 100
EOF_INI
e2e_start "$E2E_APP"
e2e_window
MAIN=$WID
e2e_wait_title "$MAIN" "ヨルカ (6/1)"
sleep 0.5

# dialog_window TITLE: the program's visible window with that caption.
dialog_window() {
  local i w
  for i in $(seq 60); do
    for w in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null || true); do
      [ "$(e2e_title "$w")" = "$1" ] && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# open_menu: the context menu at the main window's (5, 5), on the screen at
# MENU_X MENU_Y; its items are ITEM_H pixels high, the first's middle
# ITEM_0 below the menu's top.
read -r MENU_X MENU_Y < <(e2e_client_at 105 105)
declare -A ITEM_HEIGHTS=([linux]=22 [windows]=17) FIRST_ITEMS=([linux]=10 [windows]=11)
ITEM_H=${ITEM_HEIGHTS[$E2E_OS]}
ITEM_0=${FIRST_ITEMS[$E2E_OS]}
open_menu() {
  xdotool mousemove --window "$MAIN" 5 5 click 3
  sleep 0.6
}

# shoot_dialog ITEM TITLE NAME: chooses the menu's item ITEM (0 = first),
# takes the dialog's picture and closes it with Escape.
shoot_dialog() {
  local w
  open_menu
  xdotool mousemove $((MENU_X + 45)) $((MENU_Y + ITEM_0 + ITEM_H * $1)) click 1
  w=$(dialog_window "$2") || e2e_fail "no window \"$2\""
  sleep 0.5
  import -window "$w" "$out/$3$suffix.png"
  echo "$out/$3$suffix.png at $(e2e_geometry "$w")"
  xdotool key Escape   # through the keyboard, as a user presses it
  sleep 0.5
}

open_menu
import -window root -crop "240x205+$((MENU_X - 10))+$((MENU_Y - 10))" +repage "$out/context-menu$suffix.png"
echo "$out/context-menu$suffix.png"
xdotool key Escape
sleep 0.3
shoot_dialog 0 "初期設定" setup
shoot_dialog 1 "日数計算ダイアログ" daycount
shoot_dialog 2 "ヨルカ(Ver.1.5)について ..." about
e2e_key "$MAIN" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs after Escape"
