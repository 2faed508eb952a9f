#!/usr/bin/env bash
# The program as a user gets it from "cmake --install": started as its menu
# entry starts it (the entry's Exec line, by name from the PATH, in a folder
# of no meaning), it finds its help under share/yoruka/ and keeps its settings
# in the user's configuration folder, which it makes on the first save.
#
#   installed.sh path/to/yoruka [build-dir]
#
# The build directory defaults to the one the program was built in.
. "$(dirname "$0")/lib.sh"
command -v cmake >/dev/null || { echo "SKIP: cmake is not installed" >&2; exit 77; }
e2e_init "$1"
build=${2:-$(dirname "$1")/..}
[ -f "$build/CMakeCache.txt" ] || e2e_fail "$build is not a configured build directory"

e2e_step "cmake --install into a scratch prefix"
prefix="$E2E_TMP/prefix"
cmake --install "$build" --prefix "$prefix" --component yoruka >"$E2E_TMP/install.log" 2>&1 ||
  { cat "$E2E_TMP/install.log" >&2; e2e_fail "cmake --install failed"; }
prefix=$(realpath "$prefix")
for f in bin/yoruka share/yoruka/yoruka.html share/applications/io.github.yoruka.Yoruka.desktop; do
  [ -f "$prefix/$f" ] || e2e_fail "not installed: $f"
done
e2e_ok "program, help and menu entry installed"

# The menu entry's command, which must be the program's bare name: a path
# or an argument would change where the settings go, or refuse the start.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/io.github.yoruka.Yoruka.desktop" | head -n 1)
e2e_expect_eq "menu entry's Exec" "yoruka" "$exec_line"
read -r -a command <<<"$exec_line"

# A stand-in browser, after the program on the PATH: it records the address.
BROWSER_LOG="$E2E_TMP/browser.log"
mkdir "$E2E_TMP/stub" "$E2E_TMP/work"
cat >"$E2E_TMP/stub/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>'$BROWSER_LOG'
EOF
chmod +x "$E2E_TMP/stub/xdg-open"
export PATH="$prefix/bin:$E2E_TMP/stub:$PATH"
[ "$(command -v yoruka)" = "$prefix/bin/yoruka" ] || e2e_fail "the PATH does not find the installed program first"

e2e_step "started as the menu entry starts it"
xsession_start
cd "$E2E_TMP/work"
e2e_start "${command[@]}"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
e2e_expect_eq "window (left top width height)" "398 297 225 63" "$(e2e_geometry "$WID")"
[ "$(readlink "/proc/$E2E_PID/exe")" = "$prefix/bin/yoruka" ] || e2e_fail "the running program is not the installed one"
e2e_ok "the installed program runs"
# On X11 docks match the window with its menu entry by its class.
wm_class=$(xprop -id "$WID" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
e2e_expect_eq "window class = the entry's StartupWMClass" \
  "$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/io.github.yoruka.Yoruka.desktop")" "$wm_class"

e2e_step "F1: the installed help at the main window's topic"
e2e_key "$WID" F1
e2e_poll "$E2E_PATIENCE" test -s "$BROWSER_LOG" ||
  e2e_fail "the browser was not started within $E2E_PATIENCE s of F1"
e2e_expect_eq "browser's address" "file://$prefix/share/yoruka/yoruka.html#131174" "$(cat "$BROWSER_LOG")"
cmp -s "$prefix/share/yoruka/yoruka.html" "$E2E_SRC/../../help/yoruka.html" ||
  e2e_fail "the installed help is not the project's help page"
e2e_ok "the installed help is the project's page"

e2e_step "Escape: the settings in the user's configuration folder, nowhere else"
[ -e "$XDG_CONFIG_HOME/yoruka" ] && e2e_fail "the configuration folder exists before any save"
e2e_key "$WID" Escape
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs $E2E_PATIENCE s after Escape"
cd - >/dev/null
e2e_expect_ini "$XDG_CONFIG_HOME/yoruka/yrk.ini" <<EOF
[YRK]
TITLE=99年度秋期情報処理技術者試験まで
START=1999 4 19
EXAM=1999 10 17
NEXAM=2000 4 16
SIZE=FALSE
SHOWNEXTEXAM=FALSE
POS=398 297
CALLBY=Quit
EOF
stray=$(find "$prefix" "$E2E_TMP/work" -name 'yrk.ini*' -o -name '.yrk.ini*')
[ -z "$stray" ] || e2e_fail "settings written elsewhere: $stray"
e2e_ok "no settings file beside the installed program or in the working folder"
leftover=$(find "$XDG_CONFIG_HOME" -type f ! -name yrk.ini)
[ -z "$leftover" ] || e2e_fail "files left in the configuration folder: $leftover"
e2e_ok "nothing else in the configuration folder"
