#!/bin/bash
# Builds, once, the Qt and the GoogleTest that the Windows cross build links against, into a
# cache outside the checkout:
#   ${ZOZAVUD_CACHE:-$HOME/.cache/zozavud}/qt-<version>-mingw-<key>
#   ${ZOZAVUD_CACHE:-$HOME/.cache/zozavud}/googletest-<version>-mingw-<key>
# <key> is a short hash of the configure options, the Debian source version and the toolchain
# file, so changing any of them builds a new one beside the old. A build counts as done only
# once its stamp file is written; a folder without one is removed and built again.
# Qt is Debian's own qt6-base source (the version of the installed host tools, which the cross
# build uses for moc, rcc and uic), fetched through a private apt configuration: nothing in
# /etc/apt is changed. Progress goes to stderr; stdout gets the two prefixes as one
# CMAKE_PREFIX_PATH value. JOBS (default 2) sets the build's parallelism.
# With --prefixes it builds nothing: it prints that value if both are built, else fails.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
TOOLCHAIN=$ROOT/cmake/mingw-w64-x86_64.cmake
CACHE=${ZOZAVUD_CACHE:-$HOME/.cache/zozavud}
JOBS=${JOBS:-2}
STAMP=.zozavud-complete

QT_DEB_VERSION=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
QT_VERSION=${QT_DEB_VERSION%%[+~-]*}
GTEST_DEB_VERSION=$(dpkg-query -W -f='${Version}' googletest)
GTEST_VERSION=${GTEST_DEB_VERSION%%-*}

# Only the modules the product uses; the Windows and offscreen platform plugins and the Windows
# print backend come with Gui and PrintSupport. Third-party code is Qt's bundled copy.
# Fonts go through GDI: this Qt's DirectWrite engine is built only with Direct2D, and its
# print engine does not link with the one and without the other.
QT_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_network=ON -DFEATURE_printsupport=ON
  -DFEATURE_testlib=ON
  -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF -DFEATURE_dbus=OFF
  -DFEATURE_sql=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF
  -DFEATURE_fontconfig=OFF -DFEATURE_pkg_config=OFF -DFEATURE_openssl=OFF -DFEATURE_zstd=OFF
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_harfbuzz=ON
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_zlib=OFF -DFEATURE_png=ON
  -DFEATURE_system_png=OFF -DFEATURE_jpeg=ON -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
)
GTEST_OPTIONS=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON)

# Two mends to the Windows platform plugin. Debian's source leaves out the Wintab headers
# (the legacy pen-tablet interface, under a license Debian does not ship): the plugin is
# built without its Wintab support; pens still work through the system's pointer
# messages, as Qt uses by default. And its software-OpenGL check is compiled only where
# OpenGL is, which this Qt leaves out.
patch_qt_source() {
  local plugin=$1/src/plugins/platforms/windows
  sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' "$plugin/qwindowswindow.cpp"
  sed -i 's/QT_CONFIG(tabletevent)/0 \/\* no Wintab headers \*\//' "$plugin/qwindowscontext.cpp"
  sed -i '/#  include "qwindowstabletsupport.h"/d' "$plugin/qwindowspointerhandler.cpp"
  sed -i '/qwindowstabletsupport.cpp qwindowstabletsupport.h/d; /src\/3rdparty\/wintab/d' "$plugin/CMakeLists.txt"
}

cache_key() {
  { printf '%s\n' "$@"; cat "$TOOLCHAIN"; declare -f patch_qt_source; } | sha256sum | cut -c1-10
}

QT_PREFIX=$CACHE/qt-$QT_VERSION-mingw-$(cache_key "${QT_OPTIONS[@]}" "$QT_DEB_VERSION")
GTEST_PREFIX=$CACHE/googletest-$GTEST_VERSION-mingw-$(cache_key "${GTEST_OPTIONS[@]}" "$GTEST_DEB_VERSION")

log() { printf '%s\n' "$*" >&2; }

elapsed() {
  local s=$(($(date +%s) - $1))
  printf '%dm %02ds' $((s / 60)) $((s % 60))
}

# Prints the deb-src entries matching the Debian mirrors apt already uses.
deb_src_entries() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /URIs:[^\n]*debian/ && /Types:[^\n]*deb/ && !/Enabled: *no/ {
           sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f"
  done
}

deb_src_list_lines() {
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]\(.*debian.*\)$/deb-src \1/p' "$f"
  done
}

# Downloads and unpacks Debian's qt6-base source (with Debian's patches) into $1.
fetch_qt_source() {
  local dest=$1 apt=$CACHE/apt
  mkdir -p "$apt/parts" "$apt/lists/partial" "$apt/src"
  deb_src_entries >"$apt/parts/debian-src.sources"
  deb_src_list_lines >"$apt/parts/debian-src.list"
  local apt_get=(apt-get -qq -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/parts"
    -o Dir::State::Lists="$apt/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
    -o APT::Sandbox::User=root)
  local dsc=$apt/src/qt6-base_${QT_DEB_VERSION#*:}.dsc
  if [ ! -f "$dsc" ]; then
    "${apt_get[@]}" update
    (cd "$apt/src" && "${apt_get[@]}" source --download-only "qt6-base=$QT_DEB_VERSION")
  fi
  dpkg-source --no-check -x "$dsc" "$dest" >/dev/null
  patch_qt_source "$dest"
}

launcher_options() {
  if command -v ccache >/dev/null; then
    echo -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
  fi
}

# Configures, builds and installs source $1 into prefix $2 with the remaining options.
cmake_install() {
  local source=$1 prefix=$2 build=$3
  shift 3
  # The toolchain file is copied into the prefix: the installed CMake files refer to it.
  mkdir -p "$prefix/lib/cmake"
  cp "$TOOLCHAIN" "$prefix/lib/cmake/"
  if [ ! -f "$build/.configured" ]; then
    # shellcheck disable=SC2046
    cmake -S "$source" -B "$build" -G Ninja "$@" $(launcher_options) \
      -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/$(basename "$TOOLCHAIN")" \
      -DCMAKE_INSTALL_PREFIX="$prefix" >&2
    touch "$build/.configured"
  fi
  nice -n 10 cmake --build "$build" -j"$JOBS" >&2
  cmake --install "$build" >/dev/null
}

build_qt() {
  local work=$CACHE/work/$(basename "$QT_PREFIX") start
  start=$(date +%s)
  rm -rf "$QT_PREFIX"
  log "Building Qt $QT_DEB_VERSION for Windows into $QT_PREFIX"
  # A build that was stopped goes on where it was: Ninja redoes only what it had not finished.
  if [ -f "$work/.source-ready" ]; then
    log "Going on with the build in $work"
  else
    rm -rf "$work"
    mkdir -p "$work"
    fetch_qt_source "$work/source"
    touch "$work/.source-ready"
  fi
  cmake_install "$work/source" "$QT_PREFIX" "$work/build" "${QT_OPTIONS[@]}"
  rm -rf "$work"
  echo "$QT_DEB_VERSION ${QT_OPTIONS[*]}" >"$QT_PREFIX/$STAMP"
  log "Qt built in $(elapsed "$start")"
}

build_gtest() {
  local work=$CACHE/work/$(basename "$GTEST_PREFIX") start
  start=$(date +%s)
  rm -rf "$work" "$GTEST_PREFIX"
  mkdir -p "$work"
  log "Building GoogleTest $GTEST_DEB_VERSION for Windows into $GTEST_PREFIX"
  cmake_install /usr/src/googletest "$GTEST_PREFIX" "$work/build" "${GTEST_OPTIONS[@]}"
  rm -rf "$work"
  echo "$GTEST_DEB_VERSION ${GTEST_OPTIONS[*]}" >"$GTEST_PREFIX/$STAMP"
  log "GoogleTest built in $(elapsed "$start")"
}

main() {
  if [ "${1:-}" = --prefixes ]; then
    if [ -f "$QT_PREFIX/$STAMP" ] && [ -f "$GTEST_PREFIX/$STAMP" ]; then
      echo "$QT_PREFIX;$GTEST_PREFIX"
      exit 0
    fi
    log "Qt or GoogleTest for Windows is not built yet: run $0"
    exit 1
  fi

  mkdir -p "$CACHE"
  # One build at a time per cache; a second caller waits, then finds the stamps.
  exec 9>"$CACHE/.build-windows.lock"
  flock 9
  [ -f "$GTEST_PREFIX/$STAMP" ] || build_gtest
  [ -f "$QT_PREFIX/$STAMP" ] || build_qt
  echo "$QT_PREFIX;$GTEST_PREFIX"
}

# Read whole before it runs, so that editing this file meanwhile does not disturb a build.
main "$@"; exit
