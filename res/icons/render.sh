#!/usr/bin/env bash
# Renders the hicolor PNG icons and the Windows icon from the SVG drawings (needs rsvg-convert,
# Debian package librsvg2-bin). The PNGs are committed; run this after
# changing a drawing.
#   yoruka-16.svg  -> 16 x 16
#   yoruka-22.svg  -> 22 x 22, and 24 x 24 with a one-pixel margin
#   yoruka.svg     -> 32, 48, 64, 128, 256 (and the scalable icon itself)
set -euo pipefail
cd "$(dirname "$0")"

out() { mkdir -p "hicolor/$1x$1/apps" && echo "hicolor/$1x$1/apps/yoruka.png"; }

rsvg-convert -w 16 -h 16 yoruka-16.svg -o "$(out 16)"
rsvg-convert -w 22 -h 22 yoruka-22.svg -o "$(out 22)"
rsvg-convert --page-width 24 --page-height 24 --left 1 --top 1 yoruka-22.svg -o "$(out 24)"
for size in 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" yoruka.svg -o "$(out "$size")"
done

# The Windows program's icon (resource 128): the same pictures in one file
# (needs ImageMagick).
convert hicolor/{16x16,24x24,32x32,48x48,64x64,256x256}/apps/yoruka.png yoruka.ico
