#!/usr/bin/env bash
# Installs the Debian 12 packages of the named lists in scripts/deps/ (one
# package a line, "#" starts a comment). Does nothing when they are all
# present already.
#
#   scripts/install-deps.sh LIST...     e.g. "run", or "run display test"
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

[ $# -gt 0 ] || { echo "usage: $0 LIST... (lists: $(cd "$here/deps" && ls *.txt | sed 's/\.txt$//' | xargs))" >&2; exit 64; }

packages=()
for list in "$@"; do
  file=$here/deps/$list.txt
  [ -f "$file" ] || { echo "install-deps: no list $file" >&2; exit 64; }
  while read -r p; do packages+=("$p"); done < <(sed 's/#.*//' "$file" | xargs -n 1)
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
