#!/usr/bin/env bash
# The tall window of the worked example (defaults, 1 June 1999) from the Linux
# build and from the Windows build under Wine, on a screen of the same scale
# (QT_SCALE_FACTOR for Qt, the prefix's dpi for Wine): its client area must
# be the scaled 225 x 193 within a pixel, and its days-left area and its
# graph the same pixels outside the days-left text, whose glyphs are each
# platform's own. Wine's prefix is the tests' (tests/support/wine-prefix.sh),
# one for each scale.
#
#   tests/compare/windows_pixels.sh LINUX_PROGRAM WINDOWS_PROGRAM [OUT_DIR [SCALE]]
#
# SCALE is 1 (the default), 1.25, 1.5 or 2. Prints the figures; fails when a
# size is off or a pixel outside the text differs. Needs xvfb, xdotool,
# imagemagick, faketime, wine64.
set -euo pipefail
linux_bin=$(realpath "$1")
windows_bin=$(realpath "$2")
out=${3:-$PWD}
scale=${4:-1}
# scaled N: N logical pixels at the scale, rounded as both back ends round.
scaled() { awk -v n="$1" -v f="$scale" 'BEGIN { printf "%d", n * f + 0.5 }'; }
suffix=""
[ "$scale" = 1 ] || suffix=-x$scale
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/yoruka-pixels.XXXXXX")
trap 'xsession_stop; rm -rf "$work"' EXIT
. "$here/../e2e/lib.sh"
faketime_lib=$(e2e_find_faketime)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=ja_JP.UTF-8
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
xsession_start "" 1024x768

wine=/usr/lib/wine/wine64
YRK_WINE_DPI=$(scaled 96) bash "$here/../support/wine-prefix.sh"

# painted WID PNG: the window's picture in PNG once its first paint has
# reached the screen: the caption that the paint writes is there, and two
# pictures taken one after the other are alike.
painted() {
  [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "ヨルカ (6/1)" ] || return 1
  import -window "$1" "$2.before.png" && import -window "$1" "$2" || return 1
  cmp -s <(convert "$2.before.png" rgb:-) <(convert "$2" rgb:-) && rm -f "$2.before.png"
}

# shoot NAME PROGRAM [LAUNCHER]: the window of the example as NAME.png.
shoot() {
  local name=$1 program=$2 launcher=${3:-} pid wid
  mkdir -p "$work/$name"
  cp "$program" "$work/$name/"
  printf '[YRK]\r\nSIZE=TRUE\r\nPOS=100 100\r\n' >"$work/$name/yrk.ini"
  env LD_PRELOAD="$faketime_lib" FAKETIME="@1999-06-01 12:00:00" NO_FAKE_STAT=1 QT_QPA_PLATFORM=xcb \
      QT_SCALE_FACTOR="$scale" \
      ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 \
      $launcher "$work/$name/$(basename "$program")" >"$work/$name.log" 2>&1 &
  pid=$!
  wid=$(xsession_wait_window "$pid") || { cat "$work/$name.log" >&2; exit 1; }
  e2e_poll "$E2E_PATIENCE" painted "$wid" "$out/$name$suffix.png" ||
    { cat "$work/$name.log" >&2; echo "$name: no settled picture within $E2E_PATIENCE s" >&2; exit 1; }
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
shoot linux-tall "$linux_bin"
shoot windows-tall "$windows_bin" "$wine"
wineserver -k || true

# pixels PNG GEOMETRY: "x y r,g,b" for each pixel of the area.
pixels() {
  convert "$1" -crop "$2" +repage -depth 8 txt:- |
    sed -n 's/^\([0-9]*\),\([0-9]*\): *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3,\4,\5/p'
}

# compare NAME GEOMETRY TEXT: counts the pixels of the area that differ; with
# TEXT, those inside the box round every non-white pixel of the area's inside
# (either picture's text; the inside begins past the outline, a one-pixel
# line at the scale) are the text's and are counted apart.
failed=0
compare_area() {
  local name=$1 geometry=$2 text=$3 w h
  w=${geometry%%x*}; h=${geometry#*x}; h=${h%%+*}
  paste -d' ' <(pixels "$out/linux-tall$suffix.png" "$geometry") <(pixels "$out/windows-tall$suffix.png" "$geometry") |
    awk -v name="$name" -v w="$w" -v h="$h" -v text="$text" -v line="$(scaled 1)" '
      { x[NR] = $1; y[NR] = $2; a[NR] = $3; b[NR] = $6 }
      END {
        x0 = w; y0 = h; x1 = -1; y1 = -1
        for (i = 1; i <= NR; i++) {
          inside = x[i] >= line && y[i] >= line && x[i] < w - line && y[i] < h - line
          if (text && inside && (a[i] != "255,255,255" || b[i] != "255,255,255")) {
            if (x[i] < x0) x0 = x[i]; if (x[i] > x1) x1 = x[i]
            if (y[i] < y0) y0 = y[i]; if (y[i] > y1) y1 = y[i]
          }
        }
        for (i = 1; i <= NR; i++) {
          if (a[i] == b[i]) continue
          if (x[i] >= x0 && x[i] <= x1 && y[i] >= y0 && y[i] <= y1) intext++; else outside++
        }
        printf "%s: %d pixels, %d differ outside the text", name, NR, outside
        if (text) printf " (text box %dx%d at %d,%d: %d differ)", x1 - x0 + 1, y1 - y0 + 1, x0, y0, intext
        printf "\n"
        exit outside > 0
      }' || failed=1
}
# The client areas, 225 x 193 logical pixels.
want_w=$(scaled 225) want_h=$(scaled 193)
for name in linux-tall windows-tall; do
  read -r w h < <(identify -format '%w %h\n' "$out/$name$suffix.png")
  echo "$name client area: ${w}x$h (${want_w}x$want_h wanted)"
  if [ $((w - want_w)) -gt 1 ] || [ $((want_w - w)) -gt 1 ] || [ $((h - want_h)) -gt 1 ] || [ $((want_h - h)) -gt 1 ]; then
    failed=1
  fi
done
# area LEFT TOP WIDTH HEIGHT: the device pixels of a logical rectangle, whose
# edges are rounded each on its own.
area() {
  local x=$(scaled "$1") y=$(scaled "$2")
  echo "$(($(scaled $(($1 + $3))) - x))x$(($(scaled $(($2 + $4))) - y))+$x+$y"
}
# Days-left area at (8, 30), 210 x 30; graph area at (8, 113), 210 x 38.
compare_area "days-left area" "$(area 8 30 210 30)" 1
compare_area "graph area" "$(area 8 113 210 38)" ""
echo "pictures: $out/linux-tall$suffix.png $out/windows-tall$suffix.png"
exit "$failed"
