#!/usr/bin/env bash
# Puts beside an installed Quorrel the DLLs it loads, and no others: the Qt
# plugins Qt itself chooses at run time (the windows platform and the Windows
# style), then every DLL that the program, its modules and those plugins
# import, followed import by import, from Qt's and MinGW's folders. DLLs that
# Windows itself provides (as Wine's own copies show) are left out; an import
# found nowhere is an error.
#   deploy.sh STAGE_DIR QT_PREFIX
set -euo pipefail
stage=$1
qt=$2
triple=x86_64-w64-mingw32
objdump=$triple-objdump
search=(
  "$qt/bin"
  "$(dirname "$("$triple-g++-posix" -print-file-name=libstdc++-6.dll)")"
  "/usr/$triple/lib"
)
system_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows

# Plugins Qt loads by name, which no import names.
mkdir -p "$stage/platforms" "$stage/styles"
"$triple-strip" --strip-unneeded -o "$stage/platforms/qwindows.dll" \
  "$qt/plugins/platforms/qwindows.dll"
"$triple-strip" --strip-unneeded -o "$stage/styles/qwindowsvistastyle.dll" \
  "$qt/plugins/styles/qwindowsvistastyle.dll"

find_dll() {
  local dir
  for dir in "${search[@]}"; do
    # Import names are case-insensitive on Windows.
    find "$dir" -maxdepth 1 -iname "$1" -print -quit 2>/dev/null | grep . && return 0
  done
  return 1
}

mapfile -t queue < <(find "$stage" -type f \( -iname '*.exe' -o -iname '*.dll' \))
declare -A seen=()
shipped=()
while [ ${#queue[@]} -gt 0 ]; do
  binary=${queue[0]}
  queue=("${queue[@]:1}")
  while read -r dll; do
    key=${dll,,}
    [ -n "${seen[$key]:-}" ] && continue
    seen[$key]=1
    if found=$(find_dll "$dll"); then
      # Debian's MinGW runtime carries its debugging symbols: 23 MB for
      # libstdc++ alone.
      "$triple-strip" --strip-unneeded -o "$stage/$(basename "$found")" "$found"
      shipped+=("$(basename "$found")")
      queue+=("$stage/$(basename "$found")")
    elif [ -n "$(find "$system_dlls" -maxdepth 1 -iname "$dll" -print -quit)" ] ||
      [[ $key == api-ms-win-* ]]; then
      continue
    else
      echo "deploy.sh: $binary imports $dll, which is neither built here nor part of Windows" >&2
      exit 1
    fi
  done < <("$objdump" -p "$binary" | sed -n 's/^\s*DLL Name: //p')
done
printf '%s\n' "${shipped[@]}" | sort
