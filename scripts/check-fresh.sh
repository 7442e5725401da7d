#!/usr/bin/env bash
# Proves the README's two commands on a newcomer's machine: a fresh Debian 12
# (debootstrap minbase with git and ca-certificates: no compiler, no X, no
# session bus, no sudo; the user is root) with a clone of the committed HEAD.
# Each command gets a root of its own, so neither leans on the other's installs:
#   ./run.sh with a display (an Xvfb on this host, its socket bound into the
#            root): passes when the main window appears, which is then closed;
#   CI=true ./test.sh.
# The pristine root is kept in $QUORREL_FRESH_DIR between runs; each check
# works on an overlay of it, in a mount and process namespace of its own, so
# its mounts and processes go away with it whatever happens.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
source scripts/setup.sh
ensure_packages debootstrap

cache=${QUORREL_FRESH_DIR:-/var/tmp/quorrel-fresh}
pristine=$cache/pristine
# Downloaded .deb files are shared between roots: a repeat need not fetch them
# again, but still installs every one through the scripts.
archives=$cache/apt-archives
mkdir -p "$cache" "$archives/partial"

if [ ! -e "$pristine/.complete" ]; then
  echo "== making a pristine Debian 12 root in $pristine =="
  rm -rf "$pristine"
  debootstrap --variant=minbase --include=git,ca-certificates bookworm "$pristine" \
    http://deb.debian.org/debian >"$cache/debootstrap.log" 2>&1 || {
    tail -n 20 "$cache/debootstrap.log" >&2
    echo "FAIL: debootstrap could not make the fresh root" >&2
    exit 1
  }
  touch "$pristine/.complete"
fi

work=$(mktemp -d "$cache/run.XXXXXX")
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

head=$(git rev-parse HEAD)
git clone -q --no-local "$repo" "$work/clone"
git -C "$work/clone" checkout -q "$head"

# Runs a command as root inside a new overlay of the pristine root, in its own
# mount and PID namespaces. $1 names the root, $2 is a time limit in seconds;
# the rest is the command.
in_fresh_root() {
  local name=$1 limit=$2
  shift 2
  mkdir -p "$work/$name/upper" "$work/$name/work" "$work/$name/root"
  timeout "$limit" unshare --mount --pid --fork --kill-child bash -euo pipefail -c '
    w=$1 name=$2 clone=$3 archives=$4 pristine=$5
    shift 5
    root=$w/$name/root
    mount --make-rprivate /
    mount -t overlay overlay \
      -o "lowerdir=$pristine,upperdir=$w/$name/upper,workdir=$w/$name/work" "$root"
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/tmp"
    mount --bind "$archives" "$root/var/cache/apt/archives"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    mkdir -p "$root/tmp/.X11-unix" "$root/root/quorrel"
    [ -d /tmp/.X11-unix ] && mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    cp -a "$clone/." "$root/root/quorrel/"
    exec chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
      "$@"
  ' in-fresh-root "$work" "$name" "$work/clone" "$archives" "$pristine" "$@"
}

failed=0
report() { # $1 what, $2 log
  echo "FAIL: $1 on a fresh Debian 12; the last lines it printed:" >&2
  tail -n 40 "$2" | sed 's/^/    /' >&2
  failed=1
}

# 1. ./run.sh on a display: the main window must appear.
display=
for n in $(seq 90 120); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=:$n; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

echo "== ./run.sh in a fresh root (display $display) =="
start=$SECONDS
in_fresh_root run-sh 2400 /usr/bin/env DISPLAY="$display" bash -c 'cd /root/quorrel && ./run.sh' \
  >"$work/run-sh.log" 2>&1 &
run_pid=$!
wid=
while kill -0 "$run_pid" 2>/dev/null; do
  wid=$(DISPLAY=$display xdotool search --onlyvisible --name '^Quorrel Estimator - Halbrook$' 2>/dev/null |
    head -n 1) || true
  [ -n "$wid" ] && break
  sleep 2
done
if [ -z "$wid" ]; then
  kill "$run_pid" 2>/dev/null || true
  wait "$run_pid" 2>/dev/null || true
  report "./run.sh (no main window appeared)" "$work/run-sh.log"
else
  echo "the main window appeared after $((SECONDS - start)) s; closing it"
  DISPLAY=$display xdotool windowfocus --sync "$wid" key Escape
  status=0
  wait "$run_pid" || status=$?
  [ "$status" -eq 0 ] || report "./run.sh (status $status after the window was closed)" "$work/run-sh.log"
fi
kill "$xvfb_pid" 2>/dev/null || true
xvfb_pid=

# 2. CI=true ./test.sh, in a root of its own.
echo "== CI=true ./test.sh in a fresh root =="
start=$SECONDS
status=0
in_fresh_root test-sh 3600 /usr/bin/env CI=true bash -c 'cd /root/quorrel && ./test.sh' \
  >"$work/test-sh.log" 2>&1 || status=$?
if [ "$status" -eq 0 ]; then
  echo "./test.sh passed in $((SECONDS - start)) s: $(grep -E 'tests passed' "$work/test-sh.log" | tr '\n' ';')"
else
  report "CI=true ./test.sh (status $status)" "$work/test-sh.log"
fi

if [ "$failed" -ne 0 ]; then
  exit 1
fi
echo "PASS: both README commands work on a fresh Debian 12"
