#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorrel.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ensure_packages
build_quorrel >/dev/null
exec "${QUORREL_BUILD_DIR:-build}/app/quorrel"
