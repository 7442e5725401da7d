#!/usr/bin/env bash
# Runs an AT-SPI check on a virtual display with a session bus of its own:
# the worked example, or the script named second.
set -euo pipefail
binary=$1
script=${2:-atspi_worked_example.py}
here=$(cd "$(dirname "$0")" && pwd)

if [ "${3:-}" != --inside ]; then
  source "$here/xdisplay.sh"
  with_own_display 1024x768x24 dbus-run-session -- bash "$0" "$binary" "$script" --inside
  exit
fi

# Settings of its own: a unit chosen on this machine is no default here.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

# Debian's python, where python3-pyatspi lives, whatever python3 is first on PATH.
if [ "$script" != atspi_worked_example.py ]; then
  exec /usr/bin/python3 "$here/$script" "$binary"
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$binary" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME"' EXIT
/usr/bin/python3 "$here/atspi_worked_example.py"
