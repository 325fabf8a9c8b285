#!/bin/sh
# Installs what the Windows cross build needs (mingw-w64, Wine to run its programs, the
# GoogleTest sources, the installer tools), and only what is missing.
# The Qt for Windows itself is built from Debian's sources by scripts/build-windows-qt.sh.
set -eu

PACKAGES="cmake ninja-build ccache dpkg-dev xz-utils
qt6-base-dev qt6-base-dev-tools qmake6 perl
g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
googletest
wine64 libwine fonts-wine
xvfb xauth x11-apps netpbm
nsis zip"

# shellcheck disable=SC2086
exec "$(dirname "$0")/install-deps.sh" $PACKAGES
