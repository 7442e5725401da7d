#!/usr/bin/env bash
# Builds the Debian package of Quorrel into build/ (dependencies by shlibdeps).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages
build_quorrel
dir=${QUORREL_BUILD_DIR:-build}
(cd "$dir" && cpack -G DEB)
ls "$dir"/quorrel_*.deb
