#!/usr/bin/env bash
# Starts the real program on a virtual X display, checks its window, presses
# Escape as a person would, and expects a clean exit.
set -euo pipefail
binary=$1

# With no display to open: one clear line and status 1, not an abort.
if [ "${2:-}" != --inside ]; then
  status=0
  said=$(env DISPLAY=:9999 WAYLAND_DISPLAY= QT_QPA_PLATFORM=xcb "$binary" 2>&1) || status=$?
  [ "$status" -eq 1 ] || { echo "FAIL: with no display the status is $status: $said" >&2; exit 1; }
  [ "$said" = "quorrel: no display could be opened (DISPLAY=:9999)" ] ||
    { echo "FAIL: with no display it said: $said" >&2; exit 1; }
fi

# A desktop runs the program inside a session bus; so does this test.
if [ "${2:-}" != --inside ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash "$0" "$binary" --inside
fi

"$binary" &
pid=$!
fail() { echo "FAIL: $*" >&2; kill "$pid" 2>/dev/null || true; exit 1; }

wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quorrel Estimator - Halbrook$' | head -n 1) ||
  fail "no window appeared"
name=$(xdotool getwindowname "$wid")
[ "$name" = "Quorrel Estimator - Halbrook" ] || fail "title is '$name'"
eval "$(xdotool getwindowgeometry --shell "$wid")"
# The layout's 394x316 pixels under a menu bar of one line.
[ "$WIDTH" -eq 394 ] && [ "$HEIGHT" -gt 326 ] && [ "$HEIGHT" -lt 376 ] ||
  fail "client size is ${WIDTH}x${HEIGHT}"

xdotool windowfocus --sync "$wid"
xdotool key Escape
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running after Escape"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS: window ${WIDTH}x${HEIGHT} '$name', closed by Escape with status 0"
