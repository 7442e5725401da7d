#!/usr/bin/env bash
# Runs Orca, the screen reader itself, beside the real program on a virtual
# display, in a session bus and an accessibility bus of their own, and checks
# what Orca says while the worked example is done by keyboard alone, or while
# the script named second drives the program.
set -euo pipefail
binary=$1
script=${2:-orca_worked_example.py}
here=$(cd "$(dirname "$0")" && pwd)

if [ "${3:-}" != --inside ]; then
  # Orca refuses to start beside another Orca of the same user, and with
  # --replace it would kill it: the screen reader of the person running the
  # tests, or the last run's Orca, still exiting. In a PID namespace of its own
  # it sees neither; the program and the buses run there too, so that Orca can
  # still look up the program's process.
  isolate=(unshare --pid --fork --mount-proc --kill-child)
  [ "$(id -u)" = 0 ] || isolate+=(--map-current-user)
  if ! "${isolate[@]}" true 2>/dev/null; then
    if pgrep -u "$(id -u)" -x orca >/dev/null; then
      echo "SKIP: an Orca of this user is running, and this machine gives the test" \
        "no PID namespace to run another beside it"
      exit 77
    fi
    isolate=()
  fi
  source "$here/xdisplay.sh"
  run_once() {
    # dbus-run-session is the first process of the namespace: it inherits
    # every process left over when the test ends, and names each one it
    # reaps. Those lines would bury the reason of a failure at the end of
    # the log.
    with_own_display 1024x768x24 "${isolate[@]}" dbus-run-session -- \
      bash "$0" "$binary" "$script" --inside \
      2> >(grep --line-buffered -v 'ignoring unknown child process' >&2)
  }
  status=0
  run_once || status=$?
  if [ "$status" != 0 ] && [ "$status" != 77 ]; then
    # On a loaded machine Orca falls behind the program's events, prunes its
    # queue and can then take a new focus as its own without a word: the
    # signs window, whose boxes are filled as it first opens, was met so in
    # two of twenty runs on a loaded machine. That is Orca's timing, not the
    # program's; a fault of the program fails the second run too.
    echo "== the run above failed; once more, from a new display, buses and Orca =="
    status=0
    run_once || status=$?
  fi
  exit "$status"
fi

scratch=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  # The speech server Orca started (its socket lies in our folder) would
  # outlive it. It writes its log into the folder as it exits: the folder can
  # only go once it is gone.
  pkill -f -- "speech-dispatcher.*$scratch" 2>/dev/null || true
  for _ in {1..50}; do
    pgrep -f -- "speech-dispatcher.*$scratch" >/dev/null || break
    sleep 0.1
  done
  # QUORREL_ORCA_LOG=FILE keeps Orca's whole debug log for a look afterwards.
  [ -n "${QUORREL_ORCA_LOG:-}" ] && cp "$scratch/orca.log" "$QUORREL_ORCA_LOG"
  rm -rf "$scratch"
}
trap cleanup EXIT
# Orca keeps settings in the home folder: a fresh one gives its defaults.
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
# A runtime folder of its own too: Orca must start its own speech server, not
# talk to the one of a desktop session on this machine.
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Orca's speech server, started by Orca with this HOME, gets a configuration
# of its own that sends every sound to libao's null driver: it never waits on
# an audio device that is not there, and never speaks aloud during the suite,
# while the voice still runs as it does for a real user.
mkdir -p "$XDG_CONFIG_HOME"
cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/speech-dispatcher"
printf '\nAudioOutputMethod "libao"\n' >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
printf 'default_driver=null\n' >"$HOME/.libao"

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$scratch/bus.log" 2>&1 &
pids+=($!)
# Orca buffers its debug file unless it is a terminal: script gives it one, and
# writes what Orca says to the log as soon as it is said.
script -q -f -c "orca --debug-file=/dev/tty" "$scratch/orca.log" \
  </dev/null >"$scratch/orca.out" 2>&1 &
pids+=($!)

# Debian's python, whatever python3 is first on PATH.
/usr/bin/python3 "$here/$script" "$binary" "$scratch/orca.log" "$scratch/orca.out"
