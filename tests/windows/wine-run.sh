#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine: CTest's emulator for the
# Windows build (CMAKE_CROSSCOMPILING_EMULATOR).
#   QUORREL_WINEPREFIX     the Wine prefix the tests run in
#   QUORREL_WINE_DLL_PATH  Linux folders, colon-separated, that hold the DLLs
#                          the tests load (Qt's and MinGW's)
set -euo pipefail
export WINEPREFIX=${QUORREL_WINEPREFIX:?the Wine prefix is not set}
export WINEDEBUG=${WINEDEBUG:--all}
# Wine would otherwise offer to download Mono and Gecko, which nothing here uses.
export WINEDLLOVERRIDES="mscoree,mshtml="
winepath=
IFS=: read -ra dirs <<<"${QUORREL_WINE_DLL_PATH:-}"
for dir in "${dirs[@]}"; do
  winepath+="Z:${dir//\//\\};"
done
export WINEPATH=$winepath
# Qt on Windows logs to the debugger, not to a pipe, unless told otherwise.
export QT_FORCE_STDERR_LOGGING=1
# Wine keeps the host's QT_ variables from Windows programs (they are meant
# for the Linux Qt) unless they are given again with WINE in front.
while IFS='=' read -r name _; do
  [[ $name == QT_* ]] && export "WINE$name=${!name}"
done < <(env)
# A Windows program ends its lines with CR LF; CTest and GoogleTest's test
# discovery read lines ending in LF.
set -o pipefail
wine "$@" | tr -d '\r'
