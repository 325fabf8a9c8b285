#!/bin/sh
# Starts the editor. Without a display it runs on a virtual X display, saves a
# screenshot of the window to build/zozavud.png and ends.
set -eu
EDITOR_BIN=${1:-build/bin/zozavud}
OUT_DIR=$(dirname "$(dirname "$EDITOR_BIN")")

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$EDITOR_BIN"
fi

SHOT="$OUT_DIR/zozavud.png"
RUNTIME=$(mktemp -d)
chmod 700 "$RUNTIME"
export XDG_RUNTIME_DIR="$RUNTIME"
# Xvfb picks a free display itself.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$RUNTIME/display" >/dev/null 2>&1 &
XVFB=$!
trap 'kill "${EDITOR_PID:-}" 2>/dev/null || true; kill "$XVFB" 2>/dev/null || true; rm -rf "$RUNTIME"' EXIT
i=0
until [ -s "$RUNTIME/display" ]; do i=$((i + 1)); [ $i -gt 100 ] && { echo "Xvfb did not start"; exit 1; }; sleep 0.1; done
export DISPLAY=":$(cat "$RUNTIME/display")"
i=0
until xdpyinfo >/dev/null 2>&1; do i=$((i + 1)); [ $i -gt 50 ] && { echo "Xvfb did not start"; exit 1; }; sleep 0.1; done

"$EDITOR_BIN" &
EDITOR_PID=$!
WINDOW=""
i=0
while [ -z "$WINDOW" ]; do
  i=$((i + 1))
  [ $i -gt 100 ] && { echo "the editor window did not appear"; exit 1; }
  sleep 0.1
  WINDOW=$(xdotool search --name "ORVANEX QD-N800 Series LCD Editor" 2>/dev/null | head -1 || true)
done
sleep 1
xwd -silent -id "$WINDOW" > "$RUNTIME/shot.xwd"
xwdtopnm "$RUNTIME/shot.xwd" 2>/dev/null | pnmtopng > "$SHOT" 2>/dev/null
echo "No display here: the editor ran on a virtual display. Screenshot: $SHOT"
