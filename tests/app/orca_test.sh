#!/usr/bin/env bash
# Runs Orca, the screen reader itself, beside the real program on a virtual
# display, in a session bus and an accessibility bus of their own, and checks
# what Orca says while the worked example is done by keyboard alone.
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)

if [ "${2:-}" != --inside ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash "$0" "$binary" --inside
fi

scratch=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  # QUORREL_ORCA_LOG=FILE keeps Orca's whole debug log for a look afterwards.
  [ -n "${QUORREL_ORCA_LOG:-}" ] && cp "$scratch/orca.log" "$QUORREL_ORCA_LOG"
  rm -rf "$scratch"
}
trap cleanup EXIT
# Orca keeps settings in the home folder: a fresh one gives its defaults.
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$scratch/bus.log" 2>&1 &
pids+=($!)
# Orca buffers its debug file unless it is a terminal: script gives it one, and
# writes what Orca says to the log as soon as it is said.
script -q -f -c "orca --replace --debug-file=/dev/tty" "$scratch/orca.log" \
  </dev/null >"$scratch/orca.out" 2>&1 &
pids+=($!)

# Debian's python, whatever python3 is first on PATH.
/usr/bin/python3 "$here/orca_worked_example.py" "$binary" "$scratch/orca.log" "$scratch/orca.out"
