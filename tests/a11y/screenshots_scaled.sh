#!/usr/bin/env bash
# Pictures of every window on a scaled screen (QT_SCALE_FACTOR, 2 unless
# given), for the documentation beside the scale-1 ones, on 1999-06-01 with
# the count to the next exam shown and no window manager:
#   tests/a11y/screenshots_scaled.sh build/<dir>/app/yoruka [factor] [output folder]
# Writes main-short-xF.png, main-tall-xF.png, setup-xF.png, daycount-xF.png
# and about-xF.png for the factor F. With E2E_LAUNCHER set to Wine it takes
# the Windows build's, main-short-windows-xF.png and so on, in a Wine prefix
# of F x 96 dpi (WINEPREFIX, or one of its own under /tmp), and prints each
# client area's size. Not a test: it checks nothing but that each window
# comes up.
. "$(dirname "$0")/../e2e/lib.sh"
FACTOR=${2:-2}
out=$(cd "$(dirname "$0")/../.." && pwd)/docs/screenshots
[ $# -ge 3 ] && out=$3
E2E_NAME=screenshots-x$FACTOR
platform=""
if [ "$E2E_OS" = windows ]; then
  platform=-windows
  export YRK_WINE_DPI=$(awk -v f="$FACTOR" 'BEGIN { printf "%d", 96 * f + 0.5 }')
  export WINEPREFIX=${WINEPREFIX:-/tmp/yoruka-wine-$YRK_WINE_DPI}
fi
suffix=$platform-x$FACTOR
[ "$platform" ] && [ "$FACTOR" = 1 ] && suffix=$platform
e2e_init "$1"
mkdir -p "$out"
# 1024 x 768 logical pixels, as the scale-1 pictures have.
xsession_start "" "$(awk -v f="$FACTOR" 'BEGIN { printf "%dx%d", 1024 * f, 768 * f }')"
[ "$E2E_OS" = windows ] || export QT_SCALE_FACTOR=$FACTOR

write_ini() {
  e2e_write_ini "$E2E_INI" <<EOF_INI
[YRK]
TITLE=99年度秋期情報処理技術者試験まで
START=1999 4 19
EXAM=1999 10 17
NEXAM=2000 4 16
SIZE=$1
SHOWNEXTEXAM=TRUE
POS=100 100
EOF_INI
}

# window_titled TITLE: the program's visible window with that caption.
window_titled() {
  local i w
  for i in $(seq 60); do
    for w in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null || true); do
      [ "$(e2e_title "$w")" = "$1" ] && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

shoot() {
  import -window "$1" "$out/$2$suffix.png"
  echo "$out/$2$suffix.png: $(identify -format '%wx%h' "$out/$2$suffix.png")"
}

# shoot_dialog DOWNS TITLE NAME: the context menu's item reached with DOWNS
# presses of Down, its dialog's picture, then Escape.
shoot_dialog() {
  local w
  xdotool mousemove --window "$MAIN" 20 20 click 3
  sleep 0.6
  xdotool key $(printf 'Down %.0s' $(seq "$1")) Return
  w=$(window_titled "$2") || e2e_fail "no window \"$2\""
  sleep 0.5
  shoot "$w" "$3"
  xdotool key Escape
  sleep 0.5
}

for variant in short:FALSE tall:TRUE; do
  write_ini "${variant#*:}"
  e2e_start "$E2E_APP"
  e2e_window
  MAIN=$WID
  e2e_wait_title "$MAIN" "ヨルカ (6/1)" 10
  sleep 0.5   # let the first paint reach the screen
  shoot "$MAIN" "main-${variant%%:*}"
  if [ "${variant%%:*}" = tall ]; then
    shoot_dialog 1 "初期設定" setup
    shoot_dialog 2 "日数計算ダイアログ" daycount
    shoot_dialog 3 "ヨルカ(Ver.1.5)について ..." about
  fi
  e2e_key "$MAIN" Escape
  e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program still runs after Escape"
done
