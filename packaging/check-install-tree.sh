#!/bin/sh
# Checks an installed tree (a DESTDIR install or an unpacked package) the way a desktop
# uses it: both programs run, the embedded version block survived stripping, the desktop
# entry is valid, each icon is a PNG of its size, the MIME type compiles and the manual
# is where Help looks for it.
#
#   check-install-tree.sh PREFIX_DIR FILE_VERSION     (PREFIX_DIR holds bin/ and share/)
set -eu
PREFIX=${1:?usage: check-install-tree.sh PREFIX_DIR FILE_VERSION}
VERSION=${2:?usage: check-install-tree.sh PREFIX_DIR FILE_VERSION}
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

for program in zozavud zozavud-cli; do
  [ -x "$PREFIX/bin/$program" ] || fail "bin/$program is missing or not executable"
done

# The About dialog reads this block from the installed file; strip must not drop it.
for program in zozavud zozavud-cli; do
  [ -x "$PREFIX/bin/$program" ] || continue
  if ! "$PREFIX/bin/zozavud-cli" version-info "$PREFIX/bin/$program" > "$WORK/version" 2>&1; then
    fail "bin/$program: version block unreadable: $(cat "$WORK/version")"
  elif ! grep -qx "FileVersion=$VERSION" "$WORK/version"; then
    fail "bin/$program: FileVersion is not $VERSION: $(tr '\n' ' ' < "$WORK/version")"
  fi
done

DESKTOP="$PREFIX/share/applications/zozavud.desktop"
if [ ! -f "$DESKTOP" ]; then
  fail "share/applications/zozavud.desktop is missing"
else
  if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$DESKTOP" > "$WORK/validate" 2>&1 || fail "desktop entry: $(cat "$WORK/validate")"
  fi
  grep -qx 'Exec=zozavud %f' "$DESKTOP" || fail "desktop entry: Exec is not 'zozavud %f'"
  grep -qx 'MimeType=application/x-zozavud-lcd;' "$DESKTOP" || fail "desktop entry: it does not offer itself for .lcd documents"
  grep -qx 'Name=ORVANEX QD-N800 Series LCD Editor' "$DESKTOP" || fail "desktop entry: wrong Name"
  grep -qx 'Icon=zozavud' "$DESKTOP" || fail "desktop entry: Icon is not 'zozavud'"
fi

# Width and height are the big-endian words at bytes 16 and 20 of a PNG.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }
for size in 16 32 48; do
  icon="$PREFIX/share/icons/hicolor/${size}x${size}/apps/zozavud.png"
  if [ ! -f "$icon" ]; then
    fail "icon ${size}x${size} is missing"
  elif [ "$(od -An -c -j1 -N3 "$icon" | tr -d ' ')" != "PNG" ]; then
    fail "icon ${size}x${size} is not a PNG"
  elif [ "$(png_size "$icon")" != "${size}x${size}" ]; then
    fail "icon ${size}x${size} is $(png_size "$icon")"
  fi
done

MIME="$PREFIX/share/mime/packages/zozavud.xml"
if [ ! -f "$MIME" ]; then
  fail "share/mime/packages/zozavud.xml is missing"
elif command -v update-mime-database >/dev/null 2>&1; then
  mkdir -p "$WORK/mime/packages"
  cp "$MIME" "$WORK/mime/packages/"
  if ! XDG_DATA_DIRS="$WORK" update-mime-database "$WORK/mime" > "$WORK/mime.log" 2>&1 || [ -s "$WORK/mime.log" ]; then
    fail "MIME type does not compile: $(cat "$WORK/mime.log")"
  fi
  grep -q '^[0-9]*:application/x-zozavud-lcd:\*\.lcd$' "$WORK/mime/globs2" 2>/dev/null ||
    fail "MIME type: no *.lcd glob for application/x-zozavud-lcd"
  grep -q 'application/x-zozavud-lcd' "$WORK/mime/magic" 2>/dev/null ||
    fail "MIME type: no magic for application/x-zozavud-lcd"
fi

# Help finds these from bin/ (../share/zozavud): the help file, else the HTML manual.
[ -s "$PREFIX/share/zozavud/zozavud.chm" ] || fail "share/zozavud/zozavud.chm is missing"
[ -f "$PREFIX/share/zozavud/manual/index.html" ] || fail "share/zozavud/manual/index.html is missing"

if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) in the installed tree under $PREFIX" >&2
  exit 1
fi
echo "installed tree under $PREFIX: all checks passed"
