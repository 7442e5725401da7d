#!/usr/bin/env bash
# Installs Quorrel into a temporary prefix and asks the desktop's MIME
# database there what a saved case is: by its name, and by its first line
# when it has another name. Skipped where shared-mime-info is absent.
set -euo pipefail
build_dir=$1
case_file=$2
if ! command -v update-mime-database >/dev/null; then
  echo "shared-mime-info is not installed: skipped"
  exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build_dir" --prefix "$scratch/prefix" >/dev/null
share=$scratch/prefix/share
update-mime-database "$share/mime"

# xdg-mime asks the desktop's own tool; outside a desktop, GNOME's gio
# reads the same database. Only the temporary prefix and the system's own
# types are looked at, never the user's.
query() {
  if command -v xdg-mime >/dev/null; then
    XDG_DATA_HOME=$scratch/home XDG_DATA_DIRS=$share:/usr/share XDG_CURRENT_DESKTOP=GNOME \
      xdg-mime query filetype "$1"
  elif command -v gio >/dev/null; then
    XDG_DATA_HOME=$scratch/home XDG_DATA_DIRS=$share:/usr/share \
      gio info --attributes=standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
  else
    echo "neither xdg-mime nor gio is installed: skipped" >&2
    exit 77
  fi
}

failures=0
check() {
  local file=$1 expected=$2 found
  found=$(query "$file")
  if [ "$found" = "$expected" ]; then
    echo "ok   $(basename "$file"): $found"
  else
    echo "WRONG $(basename "$file"): $found, not $expected"
    failures=$((failures + 1))
  fi
}
cp "$case_file" "$scratch/worked.quorrel"
check "$scratch/worked.quorrel" application/x-quorrel-case
cp "$case_file" "$scratch/worked-case"
check "$scratch/worked-case" application/x-quorrel-case
tr -d ' \n' <"$case_file" >"$scratch/compact-case"
check "$scratch/compact-case" application/x-quorrel-case
echo '{"name": "something else"}' >"$scratch/other.json"
check "$scratch/other.json" application/json

desktop=$share/applications/org.quorrel.Quorrel.desktop
grep -q '^MimeType=.*application/x-quorrel-case;' "$desktop" ||
  { echo "the desktop entry does not open cases"; failures=$((failures + 1)); }
[ -e "$share/icons/hicolor/scalable/mimetypes/application-x-quorrel-case.svg" ] ||
  { echo "no icon for the case type"; failures=$((failures + 1)); }
exit $((failures != 0))
