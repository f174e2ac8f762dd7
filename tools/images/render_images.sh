#!/usr/bin/env bash
# Renders the tool images and the application icon from their SVG drawings into the PNGs the
# resource tree holds. The PNGs are committed; run this after changing a drawing.
# The 24 px images have a 48 px "@2x" twin, which Qt picks on a screen scaled by two; the 48 px
# ones are already sharp there at the 24 px they are drawn at.
# Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../.."
svg=resources/images/svg
mkdir -p resources/images/x1 resources/images/x2 resources/icons
for source in "$svg"/*.svg; do
  name=$(basename "$source" .svg)
  [[ "$name" == logo ]] && continue
  rsvg-convert -w 24 -h 24 "$source" -o "resources/images/x1/$name.png"
  rsvg-convert -w 48 -h 48 "$source" -o "resources/images/x1/$name@2x.png"
  rsvg-convert -w 48 -h 48 "$source" -o "resources/images/x2/$name.png"
done
rsvg-convert -w 256 -h 256 "$svg/logo.svg" -o resources/icons/logo.png
echo "Rendered $(ls resources/images/svg | grep -vc logo) tool images at 24 and 48 px and the 256 px icon"
