#!/usr/bin/env bash
# The Windows ZIP as a user unzips it: one folder with yoruka.exe and its
# help, nothing else; the program imports only system libraries (no Qt, no
# compiler runtime to ship) and carries its icon.
#   check-zip.sh <build dir> <objdump>
set -euo pipefail
build=$1
objdump=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail=0
check() { if eval "$2"; then echo "ok   $1"; else echo "FAIL $1"; fail=1; fi; }

(cd "$build" && cpack -G ZIP -B "$out" >/dev/null)
zip=$(ls "$out"/yoruka-*-win64.zip)
entries=$(python3 -c 'import sys, zipfile; print("\n".join(sorted(n for n in zipfile.ZipFile(sys.argv[1]).namelist() if not n.endswith("/"))))' "$zip")
top=$(basename "$zip" .zip)
check "the ZIP holds $top/yoruka.exe and $top/yoruka.html" \
  '[ "$entries" = "$(printf "%s\n%s" "$top/yoruka.exe" "$top/yoruka.html")" ]'

exe=$build/app/yoruka.exe
headers=$("$objdump" -p "$exe")
dlls=$(echo "$headers" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u | xargs)
check "imports only system libraries: $dlls" \
  '[ -z "$(echo "$dlls" | tr " " "\n" | grep -vxE "kernel32.dll|user32.dll|gdi32.dll|comctl32.dll|shell32.dll|shlwapi.dll|msvcrt.dll|advapi32.dll|ole32.dll")" ]'
# The resources (icon and version) take at least the icon file's bytes.
icon=$(dirname "$0")/../../res/icons/yoruka.ico
resources=$((16#$(echo "$headers" | awk '/^Entry .*Resource Directory/ { print $4 }')))
check "carries the icon and a version resource ($resources bytes of resources)" \
  '[ "$resources" -gt "$(stat -c %s "$icon")" ]'
echo "yoruka.exe: $(stat -c %s "$exe") bytes; ZIP: $(stat -c %s "$zip") bytes"
exit $fail
