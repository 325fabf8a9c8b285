#!/bin/bash
# `make windows`: cross-builds the editor and the tool for 64-bit Windows and packs them.
#   scripts/build-windows.sh [BUILD_DIR]        (default: build-windows)
# Makes, in BUILD_DIR:
#   bin/                       zozavud.exe, zozavud-cli.exe, zozavud.chm, the DLLs they load
#                              (found by reading their imports) and the Qt plugins they need
#   zozavud-<version>-setup.exe  the installer (NSIS)
#   zozavud-<version>-portable.zip  bin/ as it is, to run from any folder
# The tests are built too, into tests-bin/ (make test-windows runs them). Qt and GoogleTest
# come from scripts/build-windows-qt.sh, which builds them once.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(mkdir -p "${1:-$ROOT/build-windows}" && cd "${1:-$ROOT/build-windows}" && pwd)
OBJDUMP=x86_64-w64-mingw32-objdump

PREFIXES=$("$ROOT/scripts/build-windows-qt.sh")
QT_PREFIX=${PREFIXES%%;*}
RUNTIME_DIRS=("$QT_PREFIX/bin" /usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib)
# The plugins a Qt Widgets program loads at run time: the platform (and the offscreen one,
# for the tool where no desktop is, QT_QPA_PLATFORM=offscreen), the native style and the
# image formats the tool writes and the editor imports.
PLUGINS=(platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll imageformats/qjpeg.dll
  imageformats/qgif.dll imageformats/qico.dll)

configure() {
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$PREFIXES" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$ROOT/scripts/wine-run.sh;--prefix;$BUILD/wine" \
    -DZOZAVUD_BUILD_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
}

# The DLL of that name among the runtime folders, or nothing (a system DLL).
find_runtime_dll() {
  local d
  for d in "${RUNTIME_DIRS[@]}"; do
    [ -f "$d/$1" ] && { printf '%s\n' "$d/$1"; return; }
  done
  return 0
}

# Copies into bin/ every non-system DLL that the files load, and what those load.
copy_imports() {
  local queue=("$@") file name found
  while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r name; do
      [ -e "$BUILD/bin/$name" ] && continue
      found=$(find_runtime_dll "$name")
      [ -n "$found" ] || continue
      cp "$found" "$BUILD/bin/$name"
      queue+=("$BUILD/bin/$name")
    done < <("$OBJDUMP" -p "$file" | sed -n 's/^\s*DLL Name: //p')
  done
}

deploy() {
  local plugin copied=()
  for plugin in "${PLUGINS[@]}"; do
    [ -f "$QT_PREFIX/plugins/$plugin" ] || continue
    mkdir -p "$BUILD/bin/$(dirname "$plugin")"
    cp "$QT_PREFIX/plugins/$plugin" "$BUILD/bin/$plugin"
    copied+=("$BUILD/bin/$plugin")
  done
  copy_imports "$BUILD/bin/zozavud.exe" "$BUILD/bin/zozavud-cli.exe" "${copied[@]}"
  cp "$ROOT/app/zozavud.ico" "$BUILD/zozavud.ico"
}

# The uninstaller removes exactly the files bin/ holds, folders after their files.
write_uninstall_list() {
  (cd "$BUILD/bin" && {
    find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
  }) >"$BUILD/uninstall-files.nsh"
}

package() {
  local version setup zip
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
  setup=$BUILD/zozavud-$version-setup.exe
  zip=$BUILD/zozavud-$version-portable.zip
  write_uninstall_list
  rm -f "$setup" "$zip"
  makensis -V2 -DVERSION="$version" -DBIN="$BUILD/bin" -DOUT="$setup" "$ROOT/packaging/windows/zozavud.nsi"
  (cd "$BUILD" && rm -rf "zozavud-$version" && cp -r bin "zozavud-$version" &&
    zip -qr "$zip" "zozavud-$version" && rm -rf "zozavud-$version")
  echo "windows: $BUILD/bin, $setup, $zip"
}

configure
cmake --build "$BUILD"
deploy
package
