#!/usr/bin/env bash
# Only framework/ may include Qt: the program's own folders stay toolkit-free,
# and so do the framework's public headers that they include. The code both
# GUI back ends share (framework/gui/common) includes no toolkit at all and
# no back end's file.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
pattern='#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>"]*)[>"]'
backend='#[[:space:]]*include[[:space:]]*[<"]((windows|commctrl|shellapi|shlwapi|shobjidl|oleacc)\.h|gui/(qt|win32)/|core/win32/)'
found=$(grep -RnE "$pattern" app calendar settings mainwnd dialogs res 2>/dev/null)
public=$(grep -nE "$pattern" framework/gui/*.h framework/core/*.h 2>/dev/null | grep -v '_p\.h:')
shared=$(grep -nE "$pattern|$backend" framework/gui/common/* 2>/dev/null)
if [ -n "$found$public$shared" ]; then
  echo "Qt is included outside the framework's own sources, or a toolkit or back end in its shared code:"
  printf '%s\n' "$found" "$public" "$shared" | sed '/^$/d'
  exit 1
fi
echo "no Qt include in the program's folders or the framework's public headers; no toolkit or back end in its shared code"
