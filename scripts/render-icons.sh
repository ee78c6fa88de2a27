#!/usr/bin/env bash
# Renders desktop/vok.svg into the checked-in PNGs of the usual hicolor sizes, so that building
# Vok needs no SVG renderer. Run it after changing the SVG; needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin"; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" desktop/vok.svg -o "desktop/icons/vok-$size.png"
done
