#!/bin/bash
# `make test-windows`: builds the Windows programs and their tests (scripts/build-windows.sh)
# and runs the suites under Wine, in the build's own Wine prefix, with one wineserver kept
# for the whole run (each program then starts in about a second instead of several).
#   scripts/test-windows.sh [BUILD_DIR]        (default: build-windows)
# What needs POSIX (cupsd, modes and owners, the Xvfb end-to-end scripts) is not built for
# Windows; the Linux suite (make test) covers it.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(mkdir -p "${1:-$ROOT/build-windows}" && cd "${1:-$ROOT/build-windows}" && pwd)
export WINEPREFIX=$BUILD/wine WINEDEBUG=-all

"$ROOT/scripts/build-windows.sh" "$BUILD"
# The server and the prefix's services start here, not under ctest: a test would otherwise
# leave them holding its output open, and ctest would wait for them.
mkdir -p "$WINEPREFIX"
"$ROOT/scripts/wine-run.sh" --prefix "$WINEPREFIX" cmd /c exit 0 </dev/null >/dev/null 2>&1
/usr/lib/wine/wineserver -w
/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
"$ROOT/scripts/wine-run.sh" --prefix "$WINEPREFIX" cmd /c exit 0 </dev/null >/dev/null 2>&1
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
cd "$BUILD" && ctest --output-on-failure --timeout 900 -j"$(nproc)"
