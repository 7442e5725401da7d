#!/usr/bin/env bash
# Draws the program's own pictures with ImageMagick. The results are committed,
# so building needs none of this; run it again after changing a drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages imagemagick
IM=/usr/bin/convert

# The main window's decorative picture, 100 x 83: a clock at night beside a
# falling temperature curve.
curve=""
for x in $(seq 0 36); do
  y=$(awk -v x="$x" 'BEGIN { printf "%.1f", 70 - 56 * exp(-x / 12) }')
  curve+="$((62 + x)),$y "
done
$IM -size 100x83 gradient:'#1b2a4a-#4a2a5a' \
  -fill '#f6f1de' -stroke '#2b2b2b' -strokewidth 2 -draw 'circle 34,42 34,15' \
  -stroke '#2b2b2b' -strokewidth 1 \
  -draw 'line 34,17 34,21' -draw 'line 34,63 34,67' -draw 'line 9,42 13,42' -draw 'line 55,42 59,42' \
  -strokewidth 3 -draw 'line 34,42 24,54' \
  -strokewidth 2 -draw 'line 34,42 45,22' \
  -fill '#c0392b' -stroke none -draw 'circle 34,42 34,45' \
  -fill none -stroke '#ff6b4a' -strokewidth 2 -draw "polyline $curve" \
  -stroke '#8fb8de' -strokewidth 1 -draw 'line 62,72 98,72' \
  -quality 92 resources/pictures/picture1.jpg

# The window icon, 32 x 32 in 256 colours: a clock face with a thermometer.
$IM -size 32x32 xc:none \
  -fill '#f6f1de' -stroke '#1b2a4a' -strokewidth 2 -draw 'circle 13,16 13,3' \
  -strokewidth 2 -draw 'line 13,16 13,7' -draw 'line 13,16 19,19' \
  -fill '#ffffff' -stroke '#1b2a4a' -strokewidth 1 -draw 'roundrectangle 24,3 29,24 2,2' \
  -fill '#c0392b' -stroke '#1b2a4a' -draw 'circle 26.5,26 26.5,30' \
  -stroke none -draw 'rectangle 26,12 27,24' \
  PNG8:resources/icons/quorrel.png
