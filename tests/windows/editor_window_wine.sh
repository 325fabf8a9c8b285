#!/bin/bash
# The Windows editor under Wine shows its window on an X display, with the title and the
# size of the designed window, and a screenshot of it is taken.
#   editor_window_wine.sh WINE_RUN ZOZAVUD.EXE SCREENSHOT.xwd
# Exit 77 (skipped) where no Xvfb or xdotool exists.
set -u
WINE_RUN=$1 EDITOR=$2 SHOT=$3
TITLE="ORVANEX QD-N800 Series LCD Editor"
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb/xdotool: skipped"; exit 77; }

WORK=$(mktemp -d)
XVFB="" EDITOR_PID=""
cleanup() {
  [ -n "$EDITOR_PID" ] && kill "$EDITOR_PID" 2>/dev/null
  [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" 2>/dev/null &
XVFB=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$WORK/display")"
unset QT_QPA_PLATFORM

"$WINE_RUN" "$EDITOR" >"$WORK/editor.log" 2>&1 &
EDITOR_PID=$!
window=""
for _ in $(seq 600); do
  window=$(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -1)
  [ -n "$window" ] && break
  kill -0 "$EDITOR_PID" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "FAIL: no window named \"$TITLE\" appeared"
  cat "$WORK/editor.log"
  exit 1
fi
sleep 1  # the first paint
read -r width height < <(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')
xwd -root -silent -display "$DISPLAY" >"$SHOT" 2>/dev/null || true
xdotool windowclose "$window" 2>/dev/null || xdotool key --window "$window" alt+F4
if [ "${width:-0}" -lt 500 ] || [ "${height:-0}" -lt 300 ]; then
  echo "FAIL: the window is ${width}x${height}, smaller than the designed window"
  exit 1
fi
echo "the editor's window appeared under Wine, ${width}x${height}; screenshot in $SHOT"
