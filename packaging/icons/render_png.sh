#!/bin/sh
# Renders the PNG sizes of the icon from its SVG (Debian: librsvg2-bin).
# Run after changing the drawing; the PNGs are kept in the repository so a
# build needs no SVG renderer.
set -eu
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "png/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" org.kavstudio.KavStudio.svg -o "png/${size}x${size}/org.kavstudio.KavStudio.png"
done
