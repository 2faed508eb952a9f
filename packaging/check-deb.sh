#!/usr/bin/env bash
# Builds the Debian package of a configured build and checks it: its control
# fields, and that it holds exactly what `cmake --install` puts under /usr.
# With --install (as root, on a machine where that is acceptable) it also
# installs the package with apt-get, checks that every packaged file is in
# place, removes it again and checks that none of them is left.
#
#   packaging/check-deb.sh [--install] [build-dir]
#
# build-dir defaults to build/release and should be a Release build.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
install=0
if [ "${1:-}" = --install ]; then install=1; shift; fi
build=$(cd "${1:-$here/../build/release}" && pwd) || exit 2
[ -f "$build/CPackConfig.cmake" ] || { echo "check-deb: no CPackConfig.cmake in $build" >&2; exit 2; }

passed=0
failed=0
ok() { passed=$((passed + 1)); echo "ok   $*"; }
bad() { failed=$((failed + 1)); echo "FAIL $*"; }
check() { local what=$1; shift; if "$@"; then ok "$what"; else bad "$what"; fi; }

cmake --build "$build" --target yoruka >/dev/null || { echo "check-deb: build failed" >&2; exit 1; }
rm -f "$build"/yoruka_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/yoruka_*.deb 2>/dev/null | head -n 1)
check "cpack made a package" test -n "$deb"
[ -n "$deb" ] || { echo "check-deb: $passed passed, $failed failed"; exit 1; }
echo "     $deb"

field() { dpkg-deb -f "$deb" "$1"; }
check "Package: yoruka" test "$(field Package)" = yoruka
depends=$(field Depends)
for dep in fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
  check "Depends names $dep" bash -c '[[ ", $1," == *", $2"[\ ,]* ]]' _ "$depends" "$dep"
done
check "Section: education" test "$(field Section)" = education
check "Maintainer is a name and an address" bash -c '[[ $1 == *" <"*"@"*">" ]]' _ "$(field Maintainer)"

# The package holds the files that cmake --install lays under /usr, no more.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" --component yoruka >/dev/null
want=$(cd "$stage" && find . -type f | sed 's|^\.||' | LC_ALL=C sort)
have=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\.||' | LC_ALL=C sort)
check "the package holds exactly the installed files" test "$want" = "$have"
check "the program in the package is stripped" bash -c 'dpkg-deb --fsys-tarfile "$1" | tar -xO ./usr/bin/yoruka > "$2/bin" && ! file "$2/bin" | grep -q "not stripped"' _ "$deb" "$stage"

if [ "$install" -eq 1 ]; then
  if DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >"$stage/apt.log" 2>&1; then
    ok "apt-get install"
    files=$(dpkg -L yoruka | while read -r f; do [ -f "$f" ] && echo "$f"; done)
    check "dpkg -L lists the packaged files" test "$(echo "$files" | LC_ALL=C sort)" = "$have"
    check "yoruka is on the PATH" bash -c '[ "$(command -v yoruka)" = /usr/bin/yoruka ]'
    if DEBIAN_FRONTEND=noninteractive apt-get remove -y yoruka >>"$stage/apt.log" 2>&1; then
      ok "apt-get remove"
    else
      bad "apt-get remove"; tail -n 20 "$stage/apt.log"
    fi
    left=$(for f in $files; do [ -e "$f" ] && echo "$f"; done)
    check "no packaged file is left${left:+ ($(echo $left))}" test -z "$left"
    check "no folder of its own is left" bash -c '[ ! -e /usr/share/yoruka ] && [ ! -e /usr/share/doc/yoruka ]'
  else
    bad "apt-get install"; tail -n 20 "$stage/apt.log"
  fi
fi

echo "check-deb: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
