#!/usr/bin/env bash
# Renders the application's desktop icon from the SVG logo into the hicolor PNG sizes that desktop
# environments look for. The PNGs are committed; run this after changing the logo.
# They keep the logo's name here; installing names them by the desktop id. Needs rsvg-convert
# (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../.."
logo=resources/images/svg/logo.svg
for size in 16 32 48 64 128 256; do
  dir=resources/icons/hicolor/${size}x${size}/apps
  mkdir -p "$dir"
  rsvg-convert -w "$size" -h "$size" "$logo" -o "$dir/logo.png"
done
echo "Rendered logo.png at 16, 32, 48, 64, 128 and 256 px into resources/icons/hicolor"
