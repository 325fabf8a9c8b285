#!/bin/sh
# Redraws the text reference tests/render/gdi/reference.txt with the platform's own GDI:
# builds the probe (tests/render/gdi/gdi_probe.c) with mingw, prints the case list with
# our gdi_cases program and draws every case under Wine, in a private Wine prefix that
# holds the same Tahoma files our font lookup uses. Run it when fonts or the case matrix
# change; `make test` only reads the result. Needs (not installed by install-deps.sh):
#   sudo apt-get install gcc-mingw-w64-x86-64 wine64
# Usage: scripts/regen-gdi-reference.sh [BUILD_DIR]
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-"$ROOT/build"}
OUT="$ROOT/tests/render/gdi/reference.txt"

CC=x86_64-w64-mingw32-gcc
WINE=$(command -v wine64 || true)
[ -z "$WINE" ] && [ -x /usr/lib/wine/wine64 ] && WINE=/usr/lib/wine/wine64
if ! command -v "$CC" > /dev/null || [ -z "$WINE" ]; then
  echo "regen-gdi-reference: needs $CC and wine64 (apt-get install gcc-mingw-w64-x86-64 wine64)" >&2
  exit 1
fi
if [ ! -d "$BUILD" ]; then
  echo "regen-gdi-reference: no build directory $BUILD (run make build first)" >&2
  exit 1
fi

WORK=$(mktemp -d)
trap 'WINEPREFIX="$WORK/prefix" wineserver -k 2>/dev/null || true; rm -rf "$WORK"' EXIT

cmake --build "$BUILD" --target gdi_cases > /dev/null
"$BUILD/bin/gdi_cases" > "$WORK/cases.txt"
"$CC" -O2 -Wall -o "$WORK/gdi_probe.exe" "$ROOT/tests/render/gdi/gdi_probe.c" -lgdi32

export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$WINE" wineboot -i > /dev/null 2>&1 || true
# Wine's GDI finds system fonts through fontconfig, as our lookup does, but not the
# Tahoma of fonts-wine: put those files where GDI looks first.
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf \
   "$WINEPREFIX/drive_c/windows/Fonts/"

"$WINE" "$WORK/gdi_probe.exe" "Z:$(echo "$WORK/cases.txt" | tr / '\\')" \
  "Z:$(echo "$WORK/reference.txt" | tr / '\\')"
cases=$(grep -c . "$WORK/cases.txt")
drawn=$(grep -c '^picture' "$WORK/reference.txt" || true)
if [ "$cases" != "$drawn" ]; then
  echo "regen-gdi-reference: the probe drew $drawn of $cases cases; $OUT left as it was" >&2
  exit 1
fi
# The face GDI drew each case in is written beside it; the comparison test checks that it
# is the face our lookup draws with, so that both sides use one file.
cp "$WORK/reference.txt" "$OUT.new" && mv "$OUT.new" "$OUT"
echo "regen-gdi-reference: $drawn cases written to $OUT"
