#!/usr/bin/env bash
# Only framework/ may include Qt: the program's own folders stay toolkit-free,
# and so do the framework's public headers that they include.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
pattern='#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>"]*)[>"]'
found=$(grep -RnE "$pattern" app calendar settings mainwnd dialogs res 2>/dev/null)
public=$(grep -nE "$pattern" framework/gui/*.h framework/core/*.h 2>/dev/null | grep -v '_p\.h:')
if [ -n "$found$public" ]; then
  echo "Qt is included outside the framework's own sources:"
  printf '%s\n' "$found" "$public" | sed '/^$/d'
  exit 1
fi
echo "no Qt include in the program's folders or the framework's public headers"
