#!/usr/bin/env bash
# Makes the Windows icon (.ico) from the program's own icon pictures in
# packaging/icons: each size as drawn, and 16 and 24 pixels scaled down from
# the nearest drawn size.
#   make-icon.sh ICONS_DIR OUTPUT.ico
set -euo pipefail
icons=$1
out=$2
id=org.quorrel.Quorrel
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
convert "$icons/32x32/$id.png" -resize 16x16 "$tmp/16.png"
convert "$icons/48x48/$id.png" -resize 24x24 "$tmp/24.png"
convert "$tmp/16.png" "$tmp/24.png" \
  "$icons/32x32/$id.png" "$icons/48x48/$id.png" "$icons/64x64/$id.png" \
  "$icons/128x128/$id.png" "$icons/256x256/$id.png" "$out.tmp.ico"
mv "$out.tmp.ico" "$out"
