#!/usr/bin/env bash
# Takes the README's screenshots: the real program on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages imagemagick poppler-utils
build_quorrel >/dev/null
binary=$PWD/${QUORREL_BUILD_DIR:-build}/app/quorrel
mkdir -p docs

if [ "${1:-}" != --inside ]; then
  source tests/app/xdisplay.sh
  with_own_display 1280x1024x24 bash "$0" --inside
  exit
fi

# The first visible window of that name, asked again while a window that
# closes during the search makes xdotool fail.
find_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] &&
      { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}

# Starts the program and types the worked example as a person would; sets wid.
# The main window is the first one shown, whatever its caption's language.
start_with_worked_example() {
  "$binary" &
  pid=$!
  wid=$(find_window ' - Halbrook$')
  xdotool windowfocus --sync "$wid"
  xdotool type --delay 20 "12"; xdotool key Tab; xdotool type "00"; xdotool key Tab
  xdotool type "00"; xdotool key Tab; xdotool type "AM"; xdotool key Tab Return
  xdotool key Tab; xdotool type "60"; xdotool key Tab; xdotool type "80"
  xdotool key Tab; xdotool type "75"; xdotool key Tab; xdotool type "2"; xdotool key Return
  sleep 0.5
}
trap 'kill $pid 2>/dev/null || true' EXIT

# Ctrl+G opens the curve; keys given move its cursor. The whole screen is
# taken and cut to the window, frame and all.
shoot_curve() {
  local out=$1
  shift
  xdotool key ctrl+g
  cid=$(find_window '^Cooling Curve - Halbrook$')
  xdotool windowfocus --sync "$cid"
  [ $# -gt 0 ] && xdotool key "$@"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$cid")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
  xdotool key Escape
  xdotool windowfocus --sync "$wid"
}

# A high-density screen: every size doubled.
QT_SCALE_FACTOR=2 start_with_worked_example
import -window "$wid" docs/main-window-2x.png
shoot_curve docs/cooling-curve-2x.png
xdotool key Escape
wait "$pid" || true

# A home of its own, so the case sheet goes to a Documents folder made here.
sheet=$(mktemp -d)
mkdir "$sheet/Documents"
HOME=$sheet start_with_worked_example
import -window "$wid" docs/main-window.png
shoot_curve docs/cooling-curve.png Right Right Right

# The case sheet: File > Export Case Sheet as PDF, the suggested name taken
# with Enter, then rendered.
xdotool key alt+f e
did=$(find_window '^Save Case Sheet as PDF$')
xdotool windowfocus --sync "$did"
xdotool key Return
timeout 20 bash -c "until ls '$sheet'/Documents/time-of-death-*.pdf; do sleep 0.2; done" >/dev/null
pdftoppm -r 60 -png -singlefile "$sheet"/Documents/time-of-death-*.pdf docs/case-sheet
rm -rf "$sheet"
xdotool windowfocus --sync "$wid"

# The converter: 212 typed, Fahrenheit picked with the arrow key.
xdotool key alt+d
cid=$(find_window '^Degree Conversions - Halbrook$')
xdotool windowfocus --sync "$cid"
xdotool type "212"; xdotool key Tab Down
sleep 0.5
import -window "$cid" docs/converter-window.png
xdotool key Escape

# The About window, from the Help menu.
xdotool windowfocus --sync "$wid"
xdotool key alt+h Return
sleep 1
aid=$(xdotool search --onlyvisible --name '^Quorrel Estimator - Halbrook$' | grep -v "^$wid\$" | head -n 1)
import -window "$aid" docs/about-window.png
xdotool windowfocus --sync "$aid"; xdotool key Escape

# Henssge's nomogram for a 70 kg body, then the curve with both methods.
xdotool windowfocus --sync "$wid"
xdotool key ctrl+h
hid=$(find_window '^Henssge Nomogram - Halbrook$')
xdotool windowfocus --sync "$hid"
xdotool type "70"; xdotool key Return
sleep 0.5
import -window "$hid" docs/henssge-window.png
xdotool key Escape
xdotool windowfocus --sync "$wid"
shoot_curve docs/cooling-curve-henssge.png

# The signs of death of the worked example, with a last sighting at 11:30 AM
# the day before, combined; then the curve with all three.
xdotool key ctrl+d
sid=$(find_window '^Signs of Death - Halbrook$')
xdotool windowfocus --sync "$sid"
xdotool key Tab Tab; xdotool type "11:30 AM"; xdotool key Tab Up
xdotool key Tab Tab Down Tab Down Down Tab Tab Tab Tab Tab Down
xdotool key Tab Tab Tab Tab Tab Tab Down Down Down Down
xdotool key alt+c
sleep 0.5
import -window "$sid" docs/signs-window.png
xdotool key Escape
xdotool windowfocus --sync "$wid"
shoot_curve docs/cooling-curve-signs.png

# Seen alive at 9:00 AM instead: the nomogram within the bounds, and the
# probability of death between 10:00 and 11:00 AM the day before.
xdotool key ctrl+d
xdotool windowfocus --sync "$sid"
xdotool key alt+l ctrl+a; xdotool type "9:00 AM"; xdotool key alt+c
sleep 0.3
xdotool key alt+b; xdotool type "10:00 AM"; xdotool key Tab Up
xdotool key alt+n; xdotool type "11:00 AM"; xdotool key Tab Up alt+p
sleep 0.5
import -window "$sid" docs/signs-probability.png
xdotool key Escape
xdotool windowfocus --sync "$wid"

# The nomogram again with the entries uncertain by the ± it offers.
xdotool key ctrl+h
xdotool windowfocus --sync "$hid"
xdotool key alt+u
sleep 0.3
xdotool key Return
sleep 0.5
import -window "$hid" docs/henssge-uncertain.png
xdotool key Escape

# The brain nomogram of the worked example: the brain at 80 °F.
xdotool windowfocus --sync "$wid"
xdotool key ctrl+b
bid=$(find_window '^Brain Nomogram - Halbrook$')
xdotool windowfocus --sync "$bid"
xdotool type "80"; xdotool key Return
sleep 0.5
import -window "$bid" docs/brain-nomogram.png
xdotool key Escape

# A new case with only the time found and the same signs: the interval alone
# on its time axis. A fresh start, as New Case would ask first about a case
# that holds unsaved estimates.
kill "$pid"
wait "$pid" || true
"$binary" &
pid=$!
wid=$(find_window '^Quorrel Estimator - Halbrook$')
xdotool windowfocus --sync "$wid"
xdotool type "12"; xdotool key Tab; xdotool type "00"; xdotool key Tab
xdotool type "00"; xdotool key Tab; xdotool type "AM"; xdotool key Tab Return
sleep 0.3
xdotool key ctrl+d
sid=$(find_window '^Signs of Death - Halbrook$')
xdotool windowfocus --sync "$sid"
xdotool key alt+e
xdotool key Tab Tab Tab Tab Tab Down Tab Down Down Tab Tab Tab Tab Tab Down
xdotool key Tab Tab Tab Tab Tab Tab Down Down Down Down
xdotool key alt+c
sleep 0.5
xdotool key Escape
xdotool windowfocus --sync "$wid"
shoot_curve docs/cooling-curve-signs-alone.png
kill "$pid" 2>/dev/null || true
wait "$pid" || true

# In German, as a desktop whose first language is German starts it.
LANGUAGE=de HOME=$sheet start_with_worked_example
import -window "$wid" docs/main-window-de.png
kill "$pid" 2>/dev/null || true
wait "$pid" || true

# In °C, chosen from the Tools menu in a home of its own: the same body as
# 59, 80.6 and 76.1 °F.
HOME=$(mktemp -d) "$binary" &
pid=$!
wid=$(find_window ' - Halbrook$')
xdotool windowfocus --sync "$wid"
xdotool key alt+t c
xdotool type --delay 20 "12"; xdotool key Tab; xdotool type "00"; xdotool key Tab
xdotool type "00"; xdotool key Tab; xdotool type "AM"; xdotool key Tab Return
xdotool key Tab; xdotool type "15"; xdotool key Tab; xdotool type "27"
xdotool key Tab; xdotool type "24.5"; xdotool key Tab; xdotool type "2"; xdotool key Return
sleep 0.5
import -window "$wid" docs/main-window-celsius.png
echo "wrote docs/main-window.png, docs/main-window-de.png, docs/main-window-celsius.png, docs/main-window-2x.png, docs/cooling-curve.png," \
  "docs/cooling-curve-2x.png, docs/case-sheet.png, docs/converter-window.png," \
  "docs/about-window.png, docs/henssge-window.png, docs/cooling-curve-henssge.png," \
  "docs/signs-window.png, docs/cooling-curve-signs.png, docs/signs-probability.png," \
  "docs/henssge-uncertain.png, docs/brain-nomogram.png, docs/cooling-curve-signs-alone.png"
