#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root as dpkg would install it, and
# checks that every file lands where the desktop looks for it.
set -euo pipefail
build_dir=$1
app_id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$scratch/out" >/dev/null
deb=$(ls "$scratch"/out/quorrel_*.deb)
dpkg -x "$deb" "$scratch/root"
root=$scratch/root

failures=0
expect() {
  if [ -e "$root/$1" ]; then echo "ok   /$1"; else echo "MISSING /$1"; failures=$((failures + 1)); fi
}
expect usr/bin/quorrel
# Printing, loaded only when the user prints, from beside the library folder.
expect usr/lib/quorrel/quorrel-print.so
expect "usr/share/applications/$app_id.desktop"
expect "usr/share/metainfo/$app_id.metainfo.xml"
for size in 32 48 64 128 256; do
  expect "usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
done
expect "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
# The case file's type and its icon.
expect "usr/share/mime/packages/$app_id.xml"
for size in 32 48 64 128 256; do
  expect "usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-quorrel-case.png"
done
expect "usr/share/icons/hicolor/scalable/mimetypes/application-x-quorrel-case.svg"
expect usr/share/quorrel/translations/quorrel_de.qm

[ -x "$root/usr/bin/quorrel" ] || { echo "quorrel is not executable"; failures=$((failures + 1)); }
desktop=$root/usr/share/applications/$app_id.desktop
grep -qx "Exec=quorrel -- %f" "$desktop" ||
  { echo "desktop entry does not start quorrel with a file"; failures=$((failures + 1)); }
grep -qx "MimeType=application/x-quorrel-case;" "$desktop" ||
  { echo "desktop entry does not open case files"; failures=$((failures + 1)); }
grep -qx "Icon=$app_id" "$desktop" || { echo "desktop entry names another icon"; failures=$((failures + 1)); }
grep -q "<id>$app_id</id>" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
  { echo "metainfo carries another id"; failures=$((failures + 1)); }
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
  *libqt6widgets6*) echo "ok   Depends: $depends" ;;
  *) echo "Depends lacks Qt Widgets: $depends"; failures=$((failures + 1)) ;;
esac
# The layout is measured against the Liberation fonts: an install without
# recommended packages must still have them.
case ", $depends," in
  *", fonts-liberation2,"* | *", fonts-liberation2 "*) ;;
  *) echo "Depends lacks fonts-liberation2: $depends"; failures=$((failures + 1)) ;;
esac
if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) in $deb"
  exit 1
fi
