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
# A Windows program ends its lines with CR LF; CTest and GoogleTest's test
# discovery read lines ending in LF.
set -o pipefail
wine "$@" | tr -d '\r'
