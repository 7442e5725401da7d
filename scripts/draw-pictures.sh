#!/usr/bin/env bash
# Draws the program's own pictures with ImageMagick. The results are committed,
# so building needs none of this; run it again after changing a drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages imagemagick librsvg2-bin
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
# The window shows the JPEG's own pixels stored as an uncompressed bitmap: Qt
# reads BMP with code of its own, while JPEG and PNG would bring in a decoder
# library at every start.
$IM resources/pictures/picture1.jpg -strip BMP3:resources/pictures/picture1.bmp

# The application icon is drawn by hand as SVG; the desktop gets it at the
# usual sizes and the main window at 32 x 32 in 256 colours.
svg=packaging/icons/org.quorrel.Quorrel.svg
for size in 32 48 64 128 256; do
  mkdir -p "packaging/icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" "$svg" -o "packaging/icons/${size}x${size}/org.quorrel.Quorrel.png"
done
rsvg-convert -w 32 -h 32 "$svg" | $IM png:- PNG8:- | $IM png:- PNG32:- |
  $IM png:- -strip BMP:resources/icons/quorrel.bmp

# The case file's icon, also drawn as SVG, at the sizes a file manager asks
# for.
mime=packaging/mime/application-x-quorrel-case
for size in 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$mime.svg" -o "$mime-$size.png"
done

# The converter's thermometer, 35 x 183 in 16 colours, on the window's white.
ticks=""
for y in $(seq 20 15 140); do ticks+="line 24,$y 29,$y "; done
$IM -size 35x183 xc:white \
  -fill '#eef3f8' -stroke '#1b2a4a' -strokewidth 2 -draw 'roundrectangle 11,4 23,160 6,6' \
  -fill '#c0392b' -stroke '#1b2a4a' -draw 'circle 17,164 17,177' \
  -stroke none -draw 'rectangle 15,70 19,160' \
  -stroke '#1b2a4a' -strokewidth 1 \
  -draw "$ticks" \
  -colors 16 -strip -type Palette BMP3:resources/pictures/thermometer.bmp

# The converter's window icon: the thermometer with F and C marks.
$IM -size 32x32 xc:none \
  -fill '#ffffff' -stroke '#1b2a4a' -strokewidth 1 -draw 'roundrectangle 12,2 19,24 3,3' \
  -fill '#c0392b' -draw 'circle 15.5,26 15.5,30.5' -stroke none -draw 'rectangle 14,10 17,24' \
  -fill '#1b2a4a' -draw 'rectangle 3,6 8,7' -draw 'rectangle 3,6 4,14' -draw 'rectangle 3,10 7,11' \
  -draw 'rectangle 23,16 28,17' -draw 'rectangle 23,16 24,24' -draw 'rectangle 23,23 28,24' \
  PNG8:- | $IM png:- PNG32:- | $IM png:- -strip BMP:resources/icons/converter.bmp

# The About window's icon, 32 x 32 in 16 colours: an "i" on the night blue.
$IM -size 32x32 xc:none \
  -fill '#1b2a4a' -stroke '#f6f1de' -strokewidth 1 -draw 'circle 16,16 16,1' \
  -fill '#f6f1de' -stroke none -draw 'circle 16,9 16,11.5' -draw 'rectangle 14,14 18,25' \
  -colors 16 PNG8:- | $IM png:- PNG32:- | $IM png:- -strip BMP:resources/icons/about.bmp
