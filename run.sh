#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorrel.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ensure_packages
build_quorrel >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Quorrel is built, but there is no desktop to show it on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  exit 1
fi
exec "${QUORREL_BUILD_DIR:-build}/app/quorrel"
