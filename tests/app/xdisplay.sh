# shellcheck shell=bash
# Sourced by the display tests and scripts: runs a command on an Xvfb of its
# own. The server picks a display number it can actually listen on and says
# which (-displayfd), so two of these started together, or one beside an X
# server whose lock file it cannot see (another root, another /tmp), never
# share a display; a number chosen beforehand from lock files can be taken by
# the time the server starts, or held by a server the lock files don't show.
# Only clients holding its cookie may connect.

# with_own_display SCREEN COMMAND...: runs COMMAND with DISPLAY and XAUTHORITY
# set for a new Xvfb of screen SCREEN (e.g. 1024x768x24), stops the server
# afterwards, and returns COMMAND's status. Exits if the server cannot start.
with_own_display() {
  local screen=$1 number='' status=0
  shift
  _xdisplay_dir=$(mktemp -d "${TMPDIR:-/tmp}/quorrel-xvfb.XXXXXX")
  _xdisplay_pid=''
  trap _xdisplay_stop EXIT
  trap 'exit 129' HUP
  trap 'exit 130' INT
  trap 'exit 143' TERM

  # A cookie for any display number: the number is known only once the
  # server runs, and the server reads its cookies when it starts.
  local cookie name
  cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
  name=$(printf MIT-MAGIC-COOKIE-1 | od -An -tx1 | tr -d ' \n')
  : >"$_xdisplay_dir/auth"
  printf 'ffff 0000  0000  0012 %s 0010 %s\n' "$name" "$cookie" |
    xauth -q -f "$_xdisplay_dir/auth" nmerge -

  mkfifo "$_xdisplay_dir/displayfd"
  # -noreset: by default the server starts over whenever its last client
  # goes, and a client that connects in that moment finds no display, as the
  # start-up benchmark's programs, started one after another, sometimes did.
  Xvfb -displayfd 3 -auth "$_xdisplay_dir/auth" -screen 0 "$screen" -nolisten tcp -noreset \
    3>"$_xdisplay_dir/displayfd" >"$_xdisplay_dir/xvfb.log" 2>&1 &
  _xdisplay_pid=$!
  # The server writes the number once it listens; if it dies first, the pipe
  # closes and the read returns nothing.
  read -r -t 30 number <"$_xdisplay_dir/displayfd" || true
  if [[ ! "$number" =~ ^[0-9]+$ ]]; then
    echo "FAIL: Xvfb did not start:" >&2
    cat "$_xdisplay_dir/xvfb.log" >&2
    exit 1
  fi

  DISPLAY=:$number XAUTHORITY=$_xdisplay_dir/auth "$@" || status=$?
  _xdisplay_stop
  return "$status"
}

_xdisplay_stop() {
  if [ -n "${_xdisplay_pid:-}" ]; then
    kill "$_xdisplay_pid" 2>/dev/null || true
    wait "$_xdisplay_pid" 2>/dev/null || true
    _xdisplay_pid=''
  fi
  [ -n "${_xdisplay_dir:-}" ] && rm -rf "$_xdisplay_dir"
  _xdisplay_dir=''
}
