#!/usr/bin/env bash
# Starts the real program on a virtual X display, checks its window, presses
# Escape as a person would, and expects a clean exit.
set -euo pipefail
binary=$1

# Where the windowing system cannot start: one line with Qt's own reason and
# status 1, not an abort. Each case: the environment, then what the line names.
if [ "${2:-}" != --inside ]; then
  while IFS='|' read -r environment expected; do
    status=0
    # shellcheck disable=SC2086 # the environment is a list of assignments
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY $environment "$binary" 2>&1) || status=$?
    [ "$status" -eq 1 ] || { echo "FAIL: with $environment the status is $status: $said" >&2; exit 1; }
    [ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] && [[ "$said" == "quorrel: "*"$expected"* ]] ||
      { echo "FAIL: with $environment it said: $said" >&2; exit 1; }
  done <<'EOF_CASES'
DISPLAY=:9999 QT_QPA_PLATFORM=xcb|could not connect to display :9999
QT_QPA_PLATFORM=xcb|could not connect to display (DISPLAY is not set)
QT_QPA_PLATFORM=wayland|Could not find the Qt platform plugin "wayland"
QT_QPA_PLATFORM=bogus|Could not find the Qt platform plugin "bogus"
EOF_CASES
fi

# A desktop runs the program inside a session bus; so does this test.
if [ "${2:-}" != --inside ]; then
  source "$(dirname "$0")/xdisplay.sh"
  with_own_display 1024x768x24 dbus-run-session -- bash "$0" "$binary" --inside
  exit
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

# `quorrel -- FILE`, as the desktop entry starts it for a case: the case
# opens and names the window, even a file named like one of Qt's options;
# unchanged, Escape closes it without a question.
case_dir=$(mktemp -d)
cp "$(dirname "$0")/../../docs/worked-example.quorrel" "$case_dir/-reverse"
(cd "$case_dir" && exec "$binary" -- -reverse) &
pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible \
  --name '^-reverse - Quorrel Estimator - Halbrook$' | head -n 1) ||
  fail "the case file did not open: $(xdotool search --onlyvisible --name . getwindowname %@ 2>&1)"
xdotool windowfocus --sync "$wid"
xdotool key Escape
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "an unchanged case did not close on Escape"
wait "$pid" || fail "exit status $? with a case file"
rm -r "$case_dir"

# A file that is not there is named in a message over an empty case.
"$binary" /nonexistent/case.quorrel &
pid=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Case Not Opened$' >/dev/null ||
  fail "no message for a missing case file"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "PASS: a case file given on the command line opens; a missing one is named"
