#!/usr/bin/env bash
# Runs the AT-SPI check on a virtual display with a session bus of its own.
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)

if [ "${2:-}" != --inside ]; then
  source "$here/xdisplay.sh"
  with_own_display 1024x768x24 dbus-run-session -- bash "$0" "$binary" --inside
  exit
fi

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$binary" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
# Debian's python, where python3-pyatspi lives, whatever python3 is first on PATH.
/usr/bin/python3 "$here/atspi_worked_example.py"
