#!/bin/sh
# The editor's window under a real window manager (openbox on Xvfb): on each screen of the
# table the whole frame, title bar included, lies on the screen, moved from the designed
# place (486, 512) just as far as it must. On the first screen the About box's title bar
# also reads exactly its caption. Exit 77 (skipped) where Xvfb, openbox or the X tools are
# missing.
set -u
EDITOR_BIN=$1
TITLE="ORVANEX QD-N800 Series LCD Editor"
for tool in Xvfb openbox xdotool xprop xwininfo; do
  command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done

WORK=$(mktemp -d)
chmod 700 "$WORK"
export HOME="$WORK" XDG_RUNTIME_DIR="$WORK" LC_ALL=C.UTF-8
PIDS=""
stop_all() { for p in $PIDS; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done; PIDS=""; }
trap 'stop_all; rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; [ -s "$WORK/editor.log" ] && cat "$WORK/editor.log"; exit 1; }
# Polls a condition (a shell command) ten times a second for up to $2 seconds.
wait_for() { i=0; until eval "$1"; do i=$((i + 1)); [ $i -gt $(($2 * 10)) ] && return 1; sleep 0.1; done; }

# The frame's left, top, right and bottom on the screen, from the client's place and the
# extents the window manager put on it; empty until the window is framed.
frame_of() {
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
  [ -n "$extents" ] || return 1
  xwininfo -id "$1" | awk -v e="$extents" '
    BEGIN { split(e, x, ",") }
    /Absolute upper-left X/ { l = $4 } /Absolute upper-left Y/ { t = $4 }
    /^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 }
    END { print l - x[1], t - x[3], l + w + x[2], t + h + x[4] }'
}
# Where one axis of the frame belongs: the designed start, pulled back to fit, never below 0.
expected_start() {  # designed length extent
  awk -v d="$1" -v n="$2" -v e="$3" 'BEGIN { s = d; if (s + e > n) s = n - e; if (s < 0) s = 0; print s }'
}
# Within a device pixel less than one logical pixel of what is expected.
near() { [ $(($1 - $2)) -le $(($3 - 1)) ] && [ $(($2 - $1)) -le $(($3 - 1)) ]; }

placed_right() {  # window width height scale; sets FRAME
  FRAME=$(frame_of "$1") || return 1
  set -- "$2" "$3" "$4" $FRAME
  left=$4 top=$5 right=$6 bottom=$7
  [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ "$right" -le "$1" ] && [ "$bottom" -le "$2" ] || return 1
  near "$left" "$(expected_start $((486 * $3)) "$1" $((right - left)))" "$3" &&
    near "$top" "$(expected_start $((512 * $3)) "$2" $((bottom - top)))" "$3"
}

about_title_whole() {  # window
  xdotool windowfocus --sync "$1" 2>/dev/null; sleep 0.3
  xdotool key --clearmodifiers alt+h; sleep 0.5; xdotool key a
  wait_for 'ABOUT=$(xdotool search --onlyvisible --name "^About" 2>/dev/null | head -1) && [ -n "$ABOUT" ]' 10 ||
    fail "About did not open"
  name=$(xprop -id "$ABOUT" _NET_WM_NAME | sed -n 's/^[^"]*"\(.*\)"$/\1/p')
  [ "$name" = "About ZOZAVUD" ] || fail "the About box's title bar reads \"$name\""
  xdotool key --clearmodifiers Return
}

# screen  QT_SCALE_FACTOR  also-About
for row in "1024x768 1 about" "1366x768 1 -" "1920x1080 1 -" "1920x1080 2 -"; do
  set -- $row
  size=$1 scale=$2
  rm -f "$WORK/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$WORK/display" >/dev/null 2>&1 &
  PIDS="$!"
  wait_for '[ -s "$WORK/display" ]' 10 || fail "$size: Xvfb did not start"
  export DISPLAY=":$(cat "$WORK/display")"
  openbox >/dev/null 2>&1 &
  PIDS="$! $PIDS"
  wait_for 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' 10 || fail "$size: openbox did not start"
  QT_SCALE_FACTOR=$scale "$EDITOR_BIN" >"$WORK/editor.log" 2>&1 &
  PIDS="$! $PIDS"
  wait_for 'WINDOW=$(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -1) && [ -n "$WINDOW" ]' 30 ||
    fail "$size: no window"
  wait_for 'placed_right "$WINDOW" ${size%x*} ${size#*x} $scale' 10 ||
    fail "$size at scale $scale: the frame lies at ${FRAME:-(never framed)} (left top right bottom)"
  echo "$size at scale $scale: frame at $FRAME"
  [ "$3" = about ] && about_title_whole "$WINDOW"
  stop_all
done
echo "PASS"
