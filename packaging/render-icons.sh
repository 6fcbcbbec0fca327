#!/usr/bin/env bash
# Renders the hicolor PNG icons from dpmr-cps.svg (rsvg-convert, Debian: librsvg2-bin).
# The PNGs are kept in the tree, so a build needs no SVG renderer; run this after changing
# the SVG and commit the result.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" dpmr-cps.svg -o "icons/dpmr-cps-$size.png"
done
