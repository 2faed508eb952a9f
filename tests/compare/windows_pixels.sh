#!/usr/bin/env bash
# The tall window of the worked example (defaults, 1 June 1999) from the Linux
# build and from the Windows build under Wine: its days-left area and its
# graph must be the same pixels outside the days-left text, whose glyphs are
# each platform's own. Wine's prefix is the tests' (tests/support/wine-prefix.sh).
#
#   tests/compare/windows_pixels.sh LINUX_PROGRAM WINDOWS_PROGRAM [OUT_DIR]
#
# Prints the figures; fails when a pixel outside the text differs. Needs
# xvfb, xdotool, imagemagick, faketime, wine64.
set -euo pipefail
linux_bin=$(realpath "$1")
windows_bin=$(realpath "$2")
out=${3:-$PWD}
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
bash "$here/../support/wine-prefix.sh"

# shoot NAME PROGRAM [LAUNCHER]: the window of the example as NAME.png.
shoot() {
  local name=$1 program=$2 launcher=${3:-} pid wid
  mkdir -p "$work/$name"
  cp "$program" "$work/$name/"
  printf '[YRK]\r\nSIZE=TRUE\r\nPOS=100 100\r\n' >"$work/$name/yrk.ini"
  env LD_PRELOAD="$faketime_lib" FAKETIME="@1999-06-01 12:00:00" NO_FAKE_STAT=1 QT_QPA_PLATFORM=xcb \
      ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 \
      $launcher "$work/$name/$(basename "$program")" >"$work/$name.log" 2>&1 &
  pid=$!
  wid=$(xsession_wait_window "$pid" 30) || { cat "$work/$name.log" >&2; exit 1; }
  sleep 1   # the first paint
  import -window "$wid" "$out/$name.png"
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
# (either picture's text) are the text's and are counted apart.
failed=0
compare_area() {
  local name=$1 geometry=$2 text=$3 w h
  w=${geometry%%x*}; h=${geometry#*x}; h=${h%%+*}
  paste -d' ' <(pixels "$out/linux-tall.png" "$geometry") <(pixels "$out/windows-tall.png" "$geometry") |
    awk -v name="$name" -v w="$w" -v h="$h" -v text="$text" '
      { x[NR] = $1; y[NR] = $2; a[NR] = $3; b[NR] = $6 }
      END {
        x0 = w; y0 = h; x1 = -1; y1 = -1
        for (i = 1; i <= NR; i++) {
          inside = x[i] > 0 && y[i] > 0 && x[i] < w - 1 && y[i] < h - 1
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
# Days-left area at (8, 30), 210 x 30; graph area at (8, 113), 210 x 38.
compare_area "days-left area" 210x30+8+30 1
compare_area "graph area" 210x38+8+113 ""
echo "pictures: $out/linux-tall.png $out/windows-tall.png"
exit "$failed"
