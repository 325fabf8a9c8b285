#!/bin/sh
# Rebuilds the pictures of the manual (docs/manual/images): screenshots of the real editor
# on a virtual X display, and LCD pictures drawn by zozavud-cli preview. Run it after the
# window or the renderer changes, look at the pictures, and commit them; the build only
# packs what is committed.
#   scripts/make-manual-pictures.sh [BUILD_DIR]
set -eu
BUILD=${1:-build}
BIN="$BUILD/bin"
OUT=docs/manual/images
CLI="$BIN/zozavud-cli"
[ -x "$CLI" ] && [ -x "$BIN/zozavud" ] || { echo "build first: $BIN/zozavud and $CLI are missing" >&2; exit 1; }
mkdir -p "$OUT"
WORK=$(mktemp -d)
chmod 700 "$WORK"
trap 'kill "${EDITOR_PID:-}" 2>/dev/null || true; kill "${XVFB:-}" 2>/dev/null || true; rm -rf "$WORK"' EXIT

# LCD pictures, each from a document made by the tool itself.
lcd() { "$CLI" preview "$WORK/doc.lcd" --image "$1" -o "$OUT/$2.png" --scale 3 ${3:-}; }
"$CLI" new "$WORK/doc.lcd" --language en
lcd 1 lcd-default
"$CLI" preview "$WORK/doc.lcd" --all -o "$OUT/lcd-sheet.png" --scale 1
"$CLI" edit "$WORK/doc.lcd" --image 1 --text1 "Welcome" --text2 "Open 9-18"
lcd 1 lcd-two-lines
"$CLI" edit "$WORK/doc.lcd" --image 6 --text1 "Press FEED" --text2 "to continue, then tear off the receipt gently"
lcd 6 lcd-scroll-tick0
lcd 6 lcd-scroll-tick8 "--ticks 8"
"$CLI" edit "$WORK/doc.lcd" --image 7 --text1 "Paper" --text2 "Typography" --font "Liberation Serif" --height 16
lcd 7 lcd-descenders
"$CLI" edit "$WORK/doc.lcd" --image 7 --offset 2
lcd 7 lcd-descenders-offset
pgmramp -lr 256 25 | pnmtopng > "$OUT/gradient-source.png"
for method in none floyd-steinberg atkinson bayer; do
  "$CLI" edit "$WORK/doc.lcd" --image 2 --picture "$OUT/gradient-source.png" --dither "$method" --fit none
  lcd 2 "lcd-dither-$method"
done

# Screenshots of the window: at rest, then with each menu open.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" >/dev/null 2>&1 &
XVFB=$!
i=0
until [ -s "$WORK/display" ]; do i=$((i + 1)); [ $i -gt 100 ] && { echo "Xvfb did not start" >&2; exit 1; }; sleep 0.1; done
export DISPLAY=":$(cat "$WORK/display")" XDG_RUNTIME_DIR="$WORK"
LANG=C.UTF-8 "$BIN/zozavud" &
EDITOR_PID=$!
WINDOW=""
i=0
while [ -z "$WINDOW" ]; do
  i=$((i + 1)); [ $i -gt 100 ] && { echo "the editor window did not appear" >&2; exit 1; }
  sleep 0.1
  WINDOW=$(xdotool search --name "ORVANEX QD-N800 Series LCD Editor" 2>/dev/null | head -1 || true)
done
sleep 1
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
# A window's own pixels (the screen's copy of an open menu stays black on Xvfb).
grab() { xwd -silent -id "$1" | xwdtopnm 2>/dev/null; }
grab "$WINDOW" | pnmtopng > "$OUT/window.png" 2>/dev/null
# Each menu title is clicked where the menu bar shows it (its left edge in the window);
# the open menu is pasted over the window where it lies on the screen.
for menu in 19:file 55:edit 92:help; do
  xdotool mousemove $((X + ${menu%%:*})) $((Y + 8)) click 1
  sleep 2
  POPUP=$(xwininfo -root -children | awk -v main="$(printf '0x%x' "$WINDOW")" '/\("zozavud"/ && $1 != main {print $1; exit}')
  [ -n "$POPUP" ] || { echo "the ${menu#*:} menu did not open" >&2; exit 1; }
  MX=$(xwininfo -id "$POPUP" | awk '/Absolute upper-left X/ {print $4}')
  MY=$(xwininfo -id "$POPUP" | awk '/Absolute upper-left Y/ {print $4}')
  grab "$POPUP" > "$WORK/menu.pnm"
  grab "$WINDOW" > "$WORK/window.pnm"
  pnmpaste -replace "$WORK/menu.pnm" $((MX - X)) $((MY - Y)) "$WORK/window.pnm" | pnmtopng > "$OUT/window-menu-${menu#*:}.png" 2>/dev/null
  xdotool key Escape
  sleep 0.5
done
# The preview's tooltip of fit warnings, on a document handed to the running editor: line 2's
# descenders cut at the bottom row.
"$CLI" new "$WORK/fit.lcd" --language en
"$CLI" edit "$WORK/fit.lcd" --image 1 --text1 "Paper" --text2 "Typography" --font "Liberation Serif" --height 16
"$BIN/zozavud" "$WORK/fit.lcd"
sleep 1
WINDOW=$(xdotool search --name "fit.lcd - ORVANEX QD-N800 Series LCD Editor" 2>/dev/null | head -1 || true)
[ -n "$WINDOW" ] || { echo "the editor did not open fit.lcd" >&2; exit 1; }
xdotool mousemove $((X + 540)) $((Y + 228))
sleep 0.3
xdotool mousemove $((X + 544)) $((Y + 230))
sleep 2
TIP=$(xwininfo -root -children | awk -v main="$(printf '0x%x' "$WINDOW")" '/\("zozavud"/ && $1 != main {print $1; exit}')
[ -n "$TIP" ] || { echo "the preview showed no tooltip" >&2; exit 1; }
TX=$(xwininfo -id "$TIP" | awk '/Absolute upper-left X/ {print $4}')
TY=$(xwininfo -id "$TIP" | awk '/Absolute upper-left Y/ {print $4}')
grab "$TIP" > "$WORK/tip.pnm"
# The tooltip may reach past the window's edges: the picture grows by as much, in white.
eval "$(xwininfo -id "$TIP" | awk '/^ *Width:/ {print "TW=" $2} /^ *Height:/ {print "TH=" $2}')"
pad() { [ "$1" -gt 0 ] && echo "$1" || echo 0; }
LEFT=$(pad $((X - TX)))
RIGHT=$(pad $((TX + TW - X - WIDTH)))
BELOW=$(pad $((TY + TH - Y - HEIGHT)))
grab "$WINDOW" | pnmpad -white -left "$LEFT" -right "$RIGHT" -bottom "$BELOW" > "$WORK/window.pnm"
pnmpaste -replace "$WORK/tip.pnm" $((TX - X + LEFT)) $((TY - Y)) "$WORK/window.pnm" |
  pnmtopng > "$OUT/window-fit-warnings.png" 2>/dev/null
echo "pictures written to $OUT"
