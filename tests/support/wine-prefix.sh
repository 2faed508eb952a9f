#!/usr/bin/env bash
# Makes the Wine prefix WINEPREFIX ready for the program's tests and
# pictures: created once (the first start takes a few seconds), with the
# Japanese fonts standing in for the MS fonts the dialogs name, as a Japanese
# Windows has them (Wine would take one fixed-width font for all three), and
# the classic scheme's black window frames, in which frame statics draw the
# outline the program's pictures have (Wine's default scheme draws it grey),
# and .html files opened by the browser, as on every Windows (a prefix made
# without Wine's HTML engine has no such association, and help would fail).
# YRK_WINE_DPI gives the prefix's screen another scale (120, 144, 192 for
# 125 %, 150 %, 200 %; 96 when unset), which a prefix keeps once made.
#
#   WINEPREFIX=... [YRK_WINE_DPI=144] tests/support/wine-prefix.sh
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX}"
wine=${YRK_WINE_LOADER:-/usr/lib/wine/wine64}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=ja_JP.UTF-8
marker="$WINEPREFIX/.yoruka-ready"
[ -e "$marker" ] && exit 0

# The font names reach the registry through the locale: without the Japanese
# one they are stored garbled, and Wine takes no stand-in for any MS font.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "wine-prefix.sh: the ja_JP.UTF-8 locale is missing; generate it first (locale-gen)" >&2
  exit 1
fi

# The prefix's first start wants a display.
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a bash "$0" "$@"

reg() { "$wine" reg add "$1" /v "$2" /d "$3" /f >/dev/null; }
"$wine" wineboot -i >/dev/null 2>&1
reg 'HKCU\Software\Wine\Fonts\Replacements' 'ＭＳ Ｐゴシック' IPAPGothic
reg 'HKCU\Software\Wine\Fonts\Replacements' 'ＭＳ ゴシック' IPAGothic
reg 'HKCU\Software\Wine\Fonts\Replacements' 'ＭＳ 明朝' IPAMincho
reg 'HKCU\Control Panel\Colors' WindowFrame '0 0 0'
reg 'HKCU\Control Panel\Colors' ButtonDkShadow '0 0 0'
"$wine" reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${YRK_WINE_DPI:-96}" /f >/dev/null
wineserver -w
touch "$marker"
