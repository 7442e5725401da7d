#!/usr/bin/env bash
# Builds Quorrel for 64-bit Windows on Debian 12, run as root: installs the
# cross compilers, Wine and NSIS from Debian, builds Qt's qtbase from Debian's
# source once (kept in a cache), cross-builds Quorrel and its tests, runs the
# tests under Wine, packages the installer and the zip, and proves the
# installer under Wine.
#
#   scripts/windows.sh        everything
#   scripts/windows.sh qt     only the packages and Qt (the long part)
#
# The cache is /var/tmp/quorrel-windows, or $QUORREL_WINDOWS_DIR.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
ROOT=$PWD

CACHE=${QUORREL_WINDOWS_DIR:-/var/tmp/quorrel-windows}
BUILD=$ROOT/build-windows
TOOLCHAIN=$ROOT/cmake/mingw-w64-x86_64.cmake
TRIPLE=x86_64-w64-mingw32
# Two cores are shared with other work: build two jobs at a time, politely.
JOBS=${QUORREL_WINDOWS_JOBS:-2}
NICE=(nice -n 19)

WINDOWS_PACKAGES=(
  g++-mingw-w64-x86-64-posix
  cmake
  ninja-build
  perl
  # apt-get source unpacks and patches with dpkg-source.
  dpkg-dev
  # The host's Qt of the same version lends its tools (moc, rcc, uic) to the cross build.
  qt6-base-dev
  qt6-base-dev-tools
  # The host's lrelease compiles the translations, and Qt's own German strings
  # ship beside them: the qtbase built here has none.
  qt6-l10n-tools
  qt6-tools-dev
  qt6-translations-l10n
  # GoogleTest's source, built for Windows beside the engine's tests.
  googletest
  wine
  wine64
  # What Wine draws windows with and its own fonts (Tahoma and the like).
  fonts-wine
  libxrender1
  libxrandr2
  libxi6
  libxcursor1
  libxcomposite1
  libxfixes3
  libxinerama1
  nsis
  zip
  xvfb
  xauth
  xdotool
  imagemagick
  poppler-utils
  # Fonts for the window tests, which draw offscreen with Qt's own font
  # loader, and for the program under Wine, which has no Windows fonts.
  fonts-liberation2
)

# Prints how long a step took; every step goes through it.
step() {
  local name=$1 start
  shift
  start=$(date +%s)
  echo "== $name"
  "$@"
  echo "== $name: done in $(($(date +%s) - start)) s"
}

# apt-get, waiting for another apt or dpkg that holds the lock.
apt_get() {
  local try
  for try in $(seq 1 60); do
    if DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=60 -q "$@"; then
      return 0
    fi
    # Anything but a held lock is a real failure.
    if command -v fuser >/dev/null &&
      ! fuser /var/lib/dpkg/lock-frontend /var/lib/apt/lists/lock >/dev/null 2>&1; then
      return 1
    fi
    echo "apt is busy elsewhere; trying again in 10 s ($try)"
    sleep 10
  done
  return 1
}

install_packages() {
  local missing=() p
  for p in "${WINDOWS_PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if ! grep -rqs '^\(Types:.*deb-src\|deb-src\)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "Adding a deb-src line for Debian $codename (/etc/apt/sources.list.d/quorrel-deb-src.sources):"
    echo "Qt's source comes from Debian with apt-get source."
    cat >/etc/apt/sources.list.d/quorrel-deb-src.sources <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    apt_get update
  elif [ ${#missing[@]} -ne 0 ]; then
    apt_get update
  fi
  if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    apt_get install -y --no-install-recommends "${missing[@]}"
  fi
}

# The Qt of the host decides the version built for Windows: its tools must match.
QT_DEB_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
QT_VERSION=${QT_DEB_VERSION%%+*}

# Only what Quorrel uses. Debian's source lacks the non-free wintab headers, so
# tablet events are off; the third-party libraries are Qt's bundled copies.
# OpenGL stays at its default: the windows platform plugin needs it to compile.
QT_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF
  -DFEATURE_network=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_testlib=ON
  -DFEATURE_printsupport=ON
)

qt_key() {
  {
    echo "$QT_DEB_VERSION"
    printf '%s\n' "${QT_OPTIONS[@]}"
    "$TRIPLE-g++-posix" --version | head -n 1
  } | sha256sum | cut -c1-12
}

# Debian's qtbase source, unpacked once into the cache.
qt_source() {
  QT_SRC=$CACHE/src/qt6-base-$QT_VERSION
  if [ -f "$QT_SRC/.quorrel-unpacked" ]; then
    echo "Using $QT_SRC"
    return 0
  fi
  mkdir -p "$CACHE/src"
  rm -rf "$QT_SRC"
  (cd "$CACHE/src" && apt-get source -q "qt6-base=$QT_DEB_VERSION")
  local unpacked
  unpacked=$(find "$CACHE/src" -mindepth 1 -maxdepth 1 -type d -name "qt6-base-$QT_VERSION+*" | head -n 1)
  mv "$unpacked" "$QT_SRC"
  touch "$QT_SRC/.quorrel-unpacked"
}

# Configures, builds and installs qtbase for Windows into $QT_PREFIX, unless a
# finished build with the same version and options is in the cache.
build_qt() {
  local build
  build=$CACHE/qtbuild-$QT_VERSION-$(qt_key)
  if [ -f "$QT_PREFIX/.quorrel-complete" ]; then
    echo "Using the cached Qt in $QT_PREFIX"
    return 0
  fi
  qt_source
  echo "Building Qt $QT_VERSION for Windows in $build, into $QT_PREFIX"
  mkdir -p "$build"
  printf '%s\n' "${QT_OPTIONS[@]}" >"$build/quorrel-options.txt"
  if [ ! -f "$build/build.ninja" ]; then
    "${NICE[@]}" cmake -G Ninja -S "$QT_SRC" -B "$build" \
      -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_INSTALL_PREFIX="$QT_PREFIX" "${QT_OPTIONS[@]}"
  fi
  "${NICE[@]}" cmake --build "$build" --parallel "$JOBS"
  cmake --install "$build"
  cp "$build/quorrel-options.txt" "$QT_PREFIX/quorrel-options.txt"
  touch "$QT_PREFIX/.quorrel-complete"
  # Installed, the build's 2 GB of objects are of no more use; an unfinished
  # build is kept so that a second run carries on where this one stopped.
  rm -rf "$build"
}

# GoogleTest for Windows, from Debian's source of it.
build_googletest() {
  local version key build
  version=$(dpkg-query -W -f='${Version}' googletest)
  key=$("$TRIPLE-g++-posix" --version | head -n 1 | sha256sum | cut -c1-12)
  GTEST_PREFIX=$CACHE/googletest-$version-$key
  if [ -f "$GTEST_PREFIX/.quorrel-complete" ]; then
    echo "Using the cached GoogleTest in $GTEST_PREFIX"
    return 0
  fi
  build=$CACHE/googletest-build-$key
  rm -rf "$build"
  "${NICE[@]}" cmake -G Ninja -S /usr/src/googletest -B "$build" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$GTEST_PREFIX" -DBUILD_GMOCK=OFF
  "${NICE[@]}" cmake --build "$build" --parallel "$JOBS"
  cmake --install "$build"
  touch "$GTEST_PREFIX/.quorrel-complete"
  rm -rf "$build"
}

# Where the tests under Wine find the DLLs: Qt's and MinGW's runtime.
wine_dll_path() {
  echo "$QT_PREFIX/bin:$(dirname "$("$TRIPLE-g++-posix" -print-file-name=libstdc++-6.dll)"):/usr/$TRIPLE/lib"
}

# Qt's offscreen platform on Windows reads fonts from one folder (Qt's own,
# which Qt no longer fills) instead of asking Windows.
OFFSCREEN_FONTS=/usr/share/fonts/truetype/liberation2

# Quorrel and its tests, with Qt's toolchain file for the Qt just built
# leading to ours. Installed into the folder layout of the Windows program:
# everything in the program's folder.
build_quorrel() {
  "${NICE[@]}" cmake -G Ninja -S "$ROOT" -B "$BUILD" \
    -DCMAKE_TOOLCHAIN_FILE="$QT_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DQT_ADDITIONAL_PACKAGES_PREFIX_PATH="$GTEST_PREFIX" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_BINDIR=. -DCMAKE_INSTALL_LIBDIR=. \
    -DCMAKE_CROSSCOMPILING_EMULATOR="env;QUORREL_WINEPREFIX=$BUILD/wine;QUORREL_WINE_DLL_PATH=$(wine_dll_path);QT_QPA_FONTDIR=Z:$OFFSCREEN_FONTS;bash;$ROOT/tests/windows/wine-run.sh"
  "${NICE[@]}" cmake --build "$BUILD" --parallel "$JOBS"
}

# The engine's tests and the window tests, run by CTest under Wine.
test_under_wine() {
  if [ ! -f "$BUILD/wine/system.reg" ]; then
    WINEPREFIX=$BUILD/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i
  fi
  local status=0
  "${NICE[@]}" ctest --test-dir "$BUILD" --output-on-failure --parallel "$JOBS" \
    --timeout 900 || status=$?
  WINEPREFIX=$BUILD/wine wineserver -w
  return $status
}

# Writes the installer's two lists of the staged files: FILES installs each
# one, UNFILES removes each one and then the folders, deepest first (RMDir
# keeps a folder that is not empty).
nsis_lists() {
  local stage=$1 files=$2 unfiles=$3 dir file
  : >"$files"
  : >"$unfiles"
  while read -r dir; do
    echo "SetOutPath \"\$INSTDIR${dir:+\\${dir//\//\\}}\"" >>"$files"
    while read -r file; do
      echo "File \"$stage/${dir:+$dir/}$file\"" >>"$files"
      echo "Delete \"\$INSTDIR\\${dir:+${dir//\//\\}\\}$file\"" >>"$unfiles"
    done < <(find "$stage/$dir" -maxdepth 1 -type f -printf '%f\n' | sort)
  done < <(cd "$stage" && find . -type d -printf '%P\n' | sort)
  while read -r dir; do
    echo "RMDir \"\$INSTDIR\\${dir//\//\\}\"" >>"$unfiles"
  done < <(cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | sort -r)
}

# The files as installed, the DLLs they load, the installer and the zip.
package() {
  local name=quorrel-$VERSION stage size
  stage=$BUILD/stage/$name
  rm -rf "$BUILD/stage"
  cmake --install "$BUILD" --prefix "$stage" --strip
  echo "DLLs shipped, from the binaries' imports:"
  "$ROOT/packaging/windows/deploy.sh" "$stage" "$QT_PREFIX" | tee "$BUILD/dlls.txt" | sed 's/^/  /'
  cp "$BUILD/packaging/windows/quorrel.ico" "$BUILD/stage/quorrel.ico"

  nsis_lists "$stage" "$BUILD/stage/files.nsh" "$BUILD/stage/unfiles.nsh"
  size=$(du -sk "$stage" | cut -f1)
  makensis -V2 -DVERSION="$VERSION" -DSTAGE="$stage" -DFILES="$BUILD/stage/files.nsh" -DUNFILES="$BUILD/stage/unfiles.nsh" \
    -DSIZE_KB="$size" -DICON="$BUILD/stage/quorrel.ico" -DOUTFILE="$BUILD/$name-setup.exe" \
    "$ROOT/packaging/windows/quorrel.nsi"
  rm -f "$BUILD/$name-windows.zip"
  (cd "$BUILD/stage" && zip -qr "$BUILD/$name-windows.zip" "$name")
  ls -l "$BUILD/$name-setup.exe" "$BUILD/$name-windows.zip"
}

main() {
  local what=${1:-all} start
  start=$(date +%s)
  step "Debian packages" install_packages
  if [ -z "$QT_VERSION" ]; then
    QT_DEB_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    QT_VERSION=${QT_DEB_VERSION%%+*}
  fi
  QT_PREFIX=$CACHE/qt-$QT_VERSION-$(qt_key)
  step "Qt $QT_VERSION for Windows" build_qt
  if [ "$what" != qt ]; then
    VERSION=$(sed -n 's/^project(Quorrel VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
    step "GoogleTest for Windows" build_googletest
    step "Quorrel for Windows" build_quorrel
    step "Tests under Wine" test_under_wine
    step "Installer and zip" package
    step "Installer under Wine" bash "$ROOT/tests/windows/install_test.sh" \
      "$BUILD/quorrel-$VERSION-setup.exe" "$BUILD/windows-main-window.png"
    echo "Built $BUILD/quorrel-$VERSION-setup.exe and $BUILD/quorrel-$VERSION-windows.zip"
  fi
  echo "== all: $(($(date +%s) - start)) s"
}

# Sourced, it only defines the steps.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  main "$@"
fi
