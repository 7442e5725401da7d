#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages the build needs,
# touching apt only when something is missing.
# Source it, then call ensure_packages.

QUORREL_PACKAGES=(
  build-essential
  cmake
  libgtest-dev
  qt6-base-dev
  fonts-liberation2
  xvfb
  xauth
  xdotool
  desktop-file-utils
  appstream
  dbus-daemon
  at-spi2-core
  python3-pyatspi
)

ensure_packages() {
  local missing=() p
  for p in "${QUORREL_PACKAGES[@]}" "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "Missing packages (${missing[*]}) and no sudo to install them as root." >&2
      return 1
    fi
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q || return 1
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures and builds into build/ (or $QUORREL_BUILD_DIR).
build_quorrel() {
  local dir=${QUORREL_BUILD_DIR:-build}
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" &&
    cmake --build "$dir" --parallel "$(nproc)"
}
