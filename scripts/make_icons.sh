#!/usr/bin/env bash
# Renders the PNG icons in app/icons from app/orvo.svg. Run it (and commit the PNGs) after a change
# to the SVG; the build only copies them. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../app"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" orvo.svg --output "icons/orvo-$size.png"
done
