#!/usr/bin/env bash
# Installs a built tree into a scratch prefix and checks what lands there:
# every file in its place and nothing else, the icons' sizes, the help page,
# the menu entry and the AppStream data (with desktop-file-validate and
# appstreamcli when they are installed), and that the installed program
# starts and ends at once when given an argument.
#
#   packaging/check-install.sh [build-dir] [prefix]
#
# build-dir defaults to build/release. Without a prefix the installation goes
# to a temporary directory that is removed afterwards; with one, it stays
# there (for tests that go on to run the installed program).
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/release}
prefix=${2:-}

if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "check-install: $build is not a configured build directory" >&2
  exit 2
fi
keep=1
if [ -z "$prefix" ]; then
  keep=0
  prefix=$(mktemp -d "${TMPDIR:-/tmp}/yoruka-install.XXXXXX")
  trap 'rm -rf "$prefix"' EXIT
fi
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)

passed=0
failed=0
ok() { passed=$((passed + 1)); echo "ok   $*"; }
bad() { failed=$((failed + 1)); echo "FAIL $*"; }
check() {   # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then ok "$what"; else bad "$what"; fi
}

if ! cmake --install "$build" --prefix "$prefix" --component yoruka >"$prefix.log" 2>&1; then
  cat "$prefix.log"
  rm -f "$prefix.log"
  echo "check-install: cmake --install failed" >&2
  exit 1
fi
rm -f "$prefix.log"

sizes=(16 22 24 32 48 64 128 256)
metainfo=share/metainfo/io.github.yoruka.Yoruka.metainfo.xml
expected=(
  bin/yoruka
  share/yoruka/yoruka.html
  share/applications/io.github.yoruka.Yoruka.desktop
  "$metainfo"
  share/doc/yoruka/copyright
  share/icons/hicolor/scalable/apps/yoruka.svg
)
for s in "${sizes[@]}"; do expected+=("share/icons/hicolor/${s}x${s}/apps/yoruka.png"); done

# --- the set of files ----------------------------------------------------------
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
missing=$(LC_ALL=C comm -13 <(echo "$actual") <(echo "$wanted"))
extra=$(LC_ALL=C comm -23 <(echo "$actual") <(echo "$wanted"))
check "every file is installed${missing:+ (missing: $(echo $missing))}" test -z "$missing"
check "nothing else is installed${extra:+ (extra: $(echo $extra))}" test -z "$extra"

# --- the program -----------------------------------------------------------------
bin=$prefix/bin/yoruka
check "bin/yoruka is executable" test -x "$bin"
check "bin/yoruka is an ELF program" bash -c '[ "$(head -c 4 "$1" | od -An -c | tr -d " ")" = "177ELF" ]' _ "$bin"
unresolved() { ! ldd "$bin" 2>/dev/null | grep -q "not found"; }
check "bin/yoruka finds all its libraries" unresolved
# Any argument ends the program before the toolkit starts: no display needed.
# Its own runtime directory keeps its instance lock away from any other copy
# that a test may be running at the same moment.
ends_at_once() {
  local rc run
  run=$(mktemp -d "${TMPDIR:-/tmp}/yoruka-run.XXXXXX")
  chmod 700 "$run"
  XDG_RUNTIME_DIR=$run QT_QPA_PLATFORM=offscreen timeout 20 "$bin" --check-install </dev/null >/dev/null 2>&1
  rc=$?
  rm -rf "$run"
  [ "$rc" -lt 124 ]   # not timed out (124), not unloadable (127), no signal (128+)
}
check "bin/yoruka with an argument ends at once" ends_at_once
# The program finds its help as <prefix>/share/yoruka/yoruka.html from bin/.
check "the help lies where bin/yoruka looks for it" test -f "$(dirname "$bin")/../share/yoruka/yoruka.html"

# --- icons -------------------------------------------------------------------------
png_size() {   # prints "WIDTHxHEIGHT" from the PNG header, or nothing
  local b
  read -r -a b < <(od -An -tu1 -j16 -N8 "$1" 2>/dev/null)
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 0
  echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}
for s in "${sizes[@]}"; do
  f=$prefix/share/icons/hicolor/${s}x${s}/apps/yoruka.png
  got=$( [ -f "$f" ] && png_size "$f")
  note=""
  [ "$got" = "${s}x${s}" ] || note=" (is ${got:-no PNG})"
  check "icon ${s}x${s} is a ${s}x${s} PNG$note" test "$got" = "${s}x${s}"
done
svg=$prefix/share/icons/hicolor/scalable/apps/yoruka.svg
check "the scalable icon is an SVG drawing" grep -q '<svg[^>]*xmlns="http://www.w3.org/2000/svg"' "$svg"

# --- help ------------------------------------------------------------------------------
html=$prefix/share/yoruka/yoruka.html
check "help is valid UTF-8" bash -c 'iconv -f UTF-8 -t UTF-8 "$1" >/dev/null 2>&1' _ "$html"
check "help is a Japanese HTML5 page" bash -c 'head -n 2 "$1" | grep -qi "^<!DOCTYPE html>" && grep -q "<html lang=\"ja\">" "$1" && grep -qi "<meta charset=\"utf-8\">" "$1"' _ "$html"
for topic in 131174 131202 131206 131172; do
  check "help has the topic anchor $topic" grep -q "id=\"$topic\"" "$html"
done
# Readable without a network: no scripts, no linked style sheets or fonts, and
# every picture inside the file.
check "help runs no script" bash -c '! grep -qi "<script" "$1"' _ "$html"
check "help links no style sheet or font" bash -c '! grep -Eqi "<link|@import|url\\(" "$1"' _ "$html"
outside=$(grep -Eo 'src="[^"]*"' "$html" | grep -v '^src="data:' | head -n 1)
check "help's pictures are inside the file${outside:+ ($outside)}" test -z "$outside"
# Every link inside the page reaches an anchor of the page.
broken=""
for target in $(grep -Eo 'href="#[^"]*"' "$html" | sed 's/href="#//; s/"$//' | sort -u); do
  grep -q "id=\"$target\"" "$html" || broken+=" #$target"
done
check "help's links reach their anchors${broken:+ (broken:$broken)}" test -z "$broken"

# --- the menu entry --------------------------------------------------------------------
desktop=$prefix/share/applications/io.github.yoruka.Yoruka.desktop
# The help and the README tell how to start at log-in by copying this entry.
for doc in "$html" "$here/../README.md"; do
  check "$(basename "$doc") names the entry to copy into ~/.config/autostart/" \
    grep -q "cp /usr/share/applications/$(basename "$desktop") ~/.config/autostart/" "$doc"
done
key() { grep -E "^$1=" "$desktop" | head -n 1 | cut -d= -f2-; }
check "desktop entry: Exec=yoruka, with no argument" test "$(key Exec)" = yoruka
check "desktop entry: Name=ヨルカ" test "$(key Name)" = ヨルカ
check "desktop entry: Name[ja]=ヨルカ" test "$(key 'Name\[ja\]')" = ヨルカ
check "desktop entry: Terminal=false" test "$(key Terminal)" = false
check "desktop entry: Type=Application" test "$(key Type)" = Application
check "desktop entry: Categories has Education" bash -c '[[ ";$1" == *";Education;"* ]]' _ "$(key Categories)"
icon=$(key Icon)
check "desktop entry: its Icon ($icon) is installed" test -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg"
if command -v desktop-file-validate >/dev/null; then
  check "desktop-file-validate" bash -c 'out=$(desktop-file-validate "$1" 2>&1); rc=$?; [ -z "$out" ] || echo "$out" | sed "s/^/     /"; [ $rc -eq 0 ]' _ "$desktop"
else
  echo "skip desktop-file-validate (Debian package desktop-file-utils)"
fi

# --- AppStream ---------------------------------------------------------------------
meta=$prefix/$metainfo
tag() { sed -n "s:.*<$1[^>]*>\\([^<]*\\)</$1>.*:\\1:p" "$meta" | head -n 1; }
check "metainfo: id matches its file name" test "$(tag id).metainfo.xml" = "$(basename "$meta")"
check "metainfo: launchable is the installed desktop entry" test -f "$prefix/share/applications/$(tag launchable)"
check "metainfo: provides the installed binary" test -x "$prefix/bin/$(tag binary)"
check "metainfo: names the program in Japanese" grep -q '<name xml:lang="ja">ヨルカ</name>' "$meta"
# Docks and compositors match a window to its entry by this one id.
check "desktop entry: its name is the metainfo id" test "$(tag id).desktop" = "$(basename "$desktop")"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
check "metainfo: the newest release is this version ($version)" \
  bash -c 'grep -o "<release [^>]*>" "$1" | head -n 1 | grep -q "version=\"$2\""' _ "$meta" "$version"
# Every screenshot that software centres show is one of ours, at its size.
while read -r width height file; do
  local_shot=$here/../docs/screenshots/$file
  got=$( [ -f "$local_shot" ] && png_size "$local_shot")
  check "metainfo: screenshot $file is docs/screenshots/$file, ${width}x${height}" test "$got" = "${width}x${height}"
done < <(sed -n 's:.*<image [^>]*width="\([0-9]*\)" height="\([0-9]*\)">[^<]*/\([^/<]*\)</image>.*:\1 \2 \3:p' "$meta")
check "metainfo: has screenshots" grep -q '<screenshot type="default">' "$meta"
if command -v appstreamcli >/dev/null; then
  check "appstreamcli validate --pedantic" bash -c 'out=$(appstreamcli validate --pedantic --no-net "$1" 2>&1); rc=$?; [ $rc -eq 0 ] || echo "$out" | sed "s/^/     /"; [ $rc -eq 0 ]' _ "$meta"
else
  echo "skip appstreamcli validate (Debian package appstream)"
fi

[ "$keep" -eq 1 ] && echo "installed into $prefix"
echo "check-install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
