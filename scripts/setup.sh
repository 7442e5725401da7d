#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages the build needs,
# touching apt only when something is missing.
# Source it, then call ensure_packages.

QUORREL_PACKAGES=(
  build-essential
  cmake
  libgtest-dev
  qt6-base-dev
  # lupdate and lrelease, their CMake functions, and Qt's own translations.
  qt6-l10n-tools
  qt6-tools-dev
  qt6-translations-l10n
  fonts-liberation2
  xvfb
  xauth
  xdotool
  desktop-file-utils
  appstream
  file
  dbus-daemon
  at-spi2-core
  python3-pyatspi
  orca
  # pdftotext, pdfinfo, pdffonts and pdftoppm read the saved case sheet back.
  poppler-utils
  # The voice an Orca user has, so the screen-reader test speaks as for them.
  speech-dispatcher-espeak-ng
  # A face wider than Liberation Sans: the captions must fit with it too.
  fonts-dejavu-core
)

# The sanitizer build and the fuzzers need clang and its runtimes; llvm-14
# brings the symbolizer that puts function names into a sanitizer's report.
QUORREL_SANITIZER_PACKAGES=(clang libclang-rt-14-dev llvm-14)

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

# Configures and builds the sanitizer and fuzzing tree in build-sanitize/;
# the argument is how many seconds each fuzzer runs as a test.
build_sanitized() {
  CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORREL_SANITIZE=ON -DQUORREL_FUZZ=ON -DQUORREL_FUZZ_SECONDS="$1" &&
    cmake --build build-sanitize --parallel "$(nproc)"
}

# Runs a command with every sanitizer report fatal, leaks included. Leaks
# inside system libraries that our code cannot free are listed, narrowly, in
# tests/lsan.supp.
run_sanitized() {
  local symbolizer=/usr/lib/llvm-14/bin/llvm-symbolizer
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  ASAN_SYMBOLIZER_PATH=$symbolizer \
  LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  UBSAN_SYMBOLIZER_PATH=$symbolizer \
    "$@"
}
