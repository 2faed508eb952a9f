#!/usr/bin/env bash
# The Windows ZIP as a user unzips it: one folder with yoruka.exe and its
# help, nothing else; the program is a stripped GUI program (no console)
# with our manifest, imports only system libraries (no Qt, no compiler
# runtime to ship; shell32 and shlwapi only when the help asks for them)
# and carries its icon and version. Prints the program's manifest and
# version texts and its size.
#   check-zip.sh <build dir> <objdump>
set -euo pipefail
build=$1
objdump=$2
here=$(cd "$(dirname "$0")" && pwd)
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

# The program as it comes out of the ZIP.
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extract(sys.argv[2], sys.argv[3])' \
  "$zip" "$top/yoruka.exe" "$out"
exe=$out/$top/yoruka.exe
built=$build/app/yoruka.exe
headers=$("$objdump" -p "$exe")
subsystem=$(echo "$headers" | grep -E '^Subsystem\s' | xargs)
check "a GUI program: $subsystem" '[[ "$subsystem" == "Subsystem 00000002 (Windows GUI)" ]]'
check "stripped: no symbols, no debug sections" \
  '! "$objdump" -h "$exe" | grep -q "\.debug_" && [ -z "$("$objdump" -t "$exe" | grep "^\[")" ]'

dlls=$(echo "$headers" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u | xargs)
check "imports only system libraries, none only the help needs: $dlls" \
  '[ -z "$(echo "$dlls" | tr " " "\n" | grep -vxE "kernel32.dll|user32.dll|gdi32.dll|comctl32.dll|msvcrt.dll|advapi32.dll|ole32.dll")" ]'
# The resources (icon and version) take at least the icon file's bytes.
icon=$here/../../res/icons/yoruka.ico
resources=$((16#$(echo "$headers" | awk '/^Entry .*Resource Directory/ { print $4 }')))
check "carries the icon and a version resource ($resources bytes of resources)" \
  '[ "$resources" -gt "$(stat -c %s "$icon")" ]'

# Debian's python3, which python3-pefile is for.
listing=$(/usr/bin/python3 "$here/pe-resources.py" "$exe")
manifest=$(echo "$listing" | sed -n '/^<?xml/,/^<\/assembly>/p')
check "exactly one manifest, the one the loader reads (RT_MANIFEST 1)" \
  '[ "$(echo "$listing" | grep "^resource RT_MANIFEST " | cut -d" " -f3)" = 1 ]'
check "the manifest is well-formed XML (Windows refuses to start the program otherwise)" \
  'echo "$manifest" | /usr/bin/python3 -c "import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.stdin)"'
check "the manifest names the program" \
  'echo "$manifest" | grep -q "<assemblyIdentity type=\"win32\" name=\"io.github.yoruka.Yoruka\""'
check "per-monitor DPI aware (v2, and the system-wide fall-back)" \
  'echo "$manifest" | grep -q ">PerMonitorV2</dpiAwareness>" && echo "$manifest" | grep -q ">true/pm</dpiAware>"'
# Windows 7, 8, 8.1, 10 and 11.
check "made for Windows 7 to 11" \
  '[ "$(echo "$manifest" | grep -oE "<supportedOS Id=\"\{[-0-9a-f]+\}\"" | cut -d"{" -f2 | tr -d "}\"" | sort | xargs)" = \
     "1f676c76-80e1-4239-95bb-83d0f6d0da78 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a" ]'
check "the classic controls (no common-controls 6 dependency)" \
  '! echo "$manifest" | grep -q "<dependency"'
check "the Task Manager's Japanese description" \
  'echo "$listing" | grep -qx "version FileDescription: ヨルカ 試験カウントダウン"'

echo "--- the manifest:"
echo "$manifest"
echo "--- the version texts:"
echo "$listing" | sed -n 's/^version //p'
echo "yoruka.exe in the ZIP: $(stat -c %s "$exe") bytes (as built: $(stat -c %s "$built")); ZIP: $(stat -c %s "$zip") bytes"
exit $fail
