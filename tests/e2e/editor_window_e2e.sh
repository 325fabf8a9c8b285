#!/bin/sh
# Drives the real editor on a virtual X display as a new user would.
# Exit 77 (skipped) where no Xvfb or xdotool exists.
set -u
EDITOR_BIN=$1
CLI_BIN=${2:-$(dirname "$EDITOR_BIN")/zozavud-cli}
TITLE="ORVANEX QD-N800 Series LCD Editor"

command -v Xvfb >/dev/null 2>&1 && command -v xdotool >/dev/null 2>&1 || { echo "no Xvfb/xdotool: skipped"; exit 77; }

WORK=$(mktemp -d)
chmod 700 "$WORK"
export XDG_RUNTIME_DIR="$WORK"
export HOME="$WORK"
export LC_ALL=C.UTF-8
XVFB=""
PIDS=""
cleanup() { for p in $PIDS; do kill "$p" 2>/dev/null; done; [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null; rm -rf "$WORK"; }
trap cleanup EXIT
# A zombie still answers kill -0, so its state decides (ps reads it from anywhere, subshells too).
ended() { [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" = "Z" ] || ! kill -0 "$1" 2>/dev/null; }
xvfb_state() { ended "$XVFB" && echo ended || echo running; }
fail() {
  echo "FAIL: $*"
  [ -s "$WORK/editor.log" ] && { echo "editor output:"; cat "$WORK/editor.log"; }
  echo "display $DISPLAY, Xvfb $(xvfb_state)"
  [ -s "$WORK/xvfb.log" ] && { echo "Xvfb output:"; tail -20 "$WORK/xvfb.log"; }
  exit 1
}
# Xvfb picks a free display itself: choosing one here races other tests doing the same.
# -noreset: without it the server regenerates each time its last client leaves, and a
# client arriving in that moment (the editor, right after our probe) can be turned away.
# A server started again comes up beside the old one, so it gets another display number.
start_xvfb() {
  OLD_XVFB=$XVFB
  rm -f "$WORK/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" >>"$WORK/xvfb.log" 2>&1 &
  XVFB=$!
  i=0; until [ -s "$WORK/display" ]; do
    i=$((i + 1)); [ $i -gt 100 ] && fail "Xvfb did not start"; sleep 0.1; done
  export DISPLAY=":$(cat "$WORK/display")"
  i=0; until xdpyinfo >/dev/null 2>&1 || xdotool getmouselocation >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -gt 100 ] && fail "Xvfb did not answer"; sleep 0.1; done
  [ -n "$OLD_XVFB" ] && { kill "$OLD_XVFB" 2>/dev/null; wait "$OLD_XVFB" 2>/dev/null; }
  return 0
}
start_xvfb

wait_window() {  # pid; prints the window id of the editor, fails at once if the editor ended
  i=0
  while :; do
    w=$(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    ended "$1" && return 1
    i=$((i + 1)); [ $i -gt 300 ] && return 1; sleep 0.1
  done
}
wait_exit() {  # pid, seconds; sets STATUS (run in this shell: a zombie child looks alive elsewhere)
  i=0
  until ended "$1"; do
    i=$((i + 1)); [ $i -gt $(($2 * 10)) ] && return 1; sleep 0.1
  done
  wait "$1"; STATUS=$?
}
snapshot() { xwd -silent -id "$1" 2>/dev/null | md5sum | cut -d' ' -f1; }
# File > Exit from the keyboard, tried again while a loaded machine is slow to open the menu.
menu_exit() {  # window pid
  for attempt in 1 2 3; do
    xdotool windowfocus --sync "$1" 2>/dev/null; sleep 0.3
    xdotool key --clearmodifiers alt+f; sleep 0.5; xdotool key x
    i=0
    while [ $i -lt 30 ]; do
      ended "$2" && return 0
      xdotool search --onlyvisible --name "^Confirm\$" >/dev/null 2>&1 && return 0
      i=$((i + 1)); sleep 0.1
    done
    xdotool key Escape Escape 2>/dev/null
  done
  return 0
}

# Starts the editor and sets EDITOR and WINDOW. An editor that could not reach the display
# server says so and ends: that is the virtual display failing, so it is started afresh.
start_editor() {
  for attempt in 1 2 3; do
    "$EDITOR_BIN" >"$WORK/editor.log" 2>&1 & EDITOR=$!; PIDS="$EDITOR"
    WINDOW=$(wait_window "$EDITOR") && return 0
    grep -q "could not connect to display" "$WORK/editor.log" || return 1
    echo "attempt $attempt: the editor could not reach $DISPLAY (Xvfb $(xvfb_state), xdpyinfo $(xdpyinfo >/dev/null 2>&1 && echo reaches || echo "does not reach") it); starting Xvfb again"
    start_xvfb
  done
  return 1
}

# 1. Start: title and size.
start_editor || fail "no window"
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
[ "$WIDTH" -eq 730 ] || fail "width $WIDTH, expected 730"
MENU=$((HEIGHT - 443))
[ "$MENU" -ge 10 ] && [ "$MENU" -le 40 ] || fail "height $HEIGHT: expected 443 plus a menu bar"
echo "window $WINDOW: ${WIDTH}x${HEIGHT} (client 730x443 below a ${MENU}-pixel menu bar)"

# 2. A second copy ends at once, without a window, with status 0.
WINDOWS=$(xdotool search --onlyvisible --name "^$TITLE\$" | wc -l)
"$EDITOR_BIN" & SECOND=$!
wait_exit "$SECOND" 10 || fail "the second copy kept running"
[ "$STATUS" -eq 0 ] || fail "the second copy ended with $STATUS"
[ "$(xdotool search --onlyvisible --name "^$TITLE\$" | wc -l)" -eq "$WINDOWS" ] || fail "a second window appeared"
kill -0 "$EDITOR" 2>/dev/null || fail "the first copy died"

# 3. Closing without changes ends the program (File > Exit from the keyboard).
menu_exit "$WINDOW" "$EDITOR"
wait_exit "$EDITOR" 10 || fail "the editor did not end on File > Exit"
[ "$STATUS" -eq 0 ] || fail "the editor ended with $STATUS"
PIDS=""

# 4. Typing into line 1 changes the preview; closing then asks, and No ends it.
start_editor || fail "no window the second time"
sleep 0.5
before=$(snapshot "$WINDOW")
# Line 1: panel left 0 + groups 8 + 8, top menu + toolbar 25 + bar 25 + panel 129 + 30 + 22.
xdotool mousemove --window "$WINDOW" 160 $((MENU + 25 + 25 + 129 + 30 + 22 + 11)) click 1; sleep 0.3
xdotool type --delay 50 "Hello"
i=0
while [ "$(snapshot "$WINDOW")" = "$before" ]; do
  i=$((i + 1)); [ $i -gt 30 ] && fail "typing did not change the window"; sleep 0.1
done
menu_exit "$WINDOW" "$EDITOR"
i=0
until CONFIRM=$(xdotool search --onlyvisible --name "^Confirm\$" 2>/dev/null | head -1) && [ -n "$CONFIRM" ]; do
  i=$((i + 1)); [ $i -gt 50 ] && fail "no save prompt after typing"; sleep 0.1
done
xdotool windowfocus --sync "$CONFIRM" 2>/dev/null
xdotool key --clearmodifiers alt+n
wait_exit "$EDITOR" 10 || fail "the editor did not end after No"
[ "$STATUS" -eq 0 ] || fail "the editor ended with $STATUS"
PIDS=""

# 5. Files handed over: the argument opens a document; a second copy hands its file to the
#    running one (through the prompt when there are changes) and ends with status 0.
wait_title() {  # caption; prints the window id once a window has exactly that caption
  i=0
  while :; do
    w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    i=$((i + 1)); [ $i -gt 100 ] && return 1; sleep 0.1
  done
}
"$CLI_BIN" new "$WORK/a.lcd" --language en >/dev/null && "$CLI_BIN" new "$WORK/b.lcd" --language en >/dev/null ||
  fail "the tool could not write the documents"
"$EDITOR_BIN" "$WORK/a.lcd" "$WORK/b.lcd" >/dev/null 2>&1; [ $? -eq 2 ] || fail "two file arguments were not a usage error"
"$EDITOR_BIN" "$WORK/a.lcd" >"$WORK/editor.log" 2>&1 & EDITOR=$!; PIDS="$EDITOR"
WINDOW=$(wait_title "a.lcd - $TITLE") || fail "the file argument did not open a.lcd"
"$EDITOR_BIN" "$WORK/b.lcd" & SECOND=$!
wait_exit "$SECOND" 10 || fail "the copy handing over b.lcd kept running"
[ "$STATUS" -eq 0 ] || fail "the copy handing over b.lcd ended with $STATUS"
wait_title "b.lcd - $TITLE" >/dev/null || fail "the running copy did not open the handed b.lcd"
"$EDITOR_BIN" & SECOND=$!
wait_exit "$SECOND" 10 || fail "the copy without a file kept running"
[ "$STATUS" -eq 0 ] || fail "the copy without a file ended with $STATUS"
[ "$(xdotool search --onlyvisible --name "$TITLE\$" | wc -l)" -eq 1 ] || fail "a second window appeared"
# With a change in the document, the handed file comes after the prompt; No opens it.
xdotool mousemove --window "$WINDOW" 160 $((MENU + 25 + 25 + 129 + 30 + 22 + 11)) click 1; sleep 0.3
xdotool type --delay 50 "Hi"
"$EDITOR_BIN" "$WORK/a.lcd" & SECOND=$!
wait_exit "$SECOND" 10 || fail "the copy handing over a.lcd kept running"
CONFIRM=$(wait_title "Confirm") || fail "no save prompt before the handed file replaced a changed document"
xdotool windowfocus --sync "$CONFIRM" 2>/dev/null
xdotool key --clearmodifiers alt+n
wait_title "a.lcd - $TITLE" >/dev/null || fail "the handed a.lcd was not opened after the prompt"
menu_exit "$WINDOW" "$EDITOR"
wait_exit "$EDITOR" 10 || fail "the editor did not end on File > Exit after the hand-over"
PIDS=""

# 6. A lock that cannot be made is no second copy: an "Error" box, then a failed exit.
close_error_box() {  # what the box is for
  i=0
  until BOX=$(xdotool search --onlyvisible --name "^Error" 2>/dev/null | head -1) && [ -n "$BOX" ]; do
    i=$((i + 1)); [ $i -gt 100 ] && fail "no error box for $1"; sleep 0.1
  done
  xdotool windowfocus --sync "$BOX" 2>/dev/null
  xdotool key --clearmodifiers Return
}
BAD_RUNTIME="$WORK/bad-runtime"
mkdir -p "$BAD_RUNTIME/$TITLE.lock" && chmod 700 "$BAD_RUNTIME"
XDG_RUNTIME_DIR="$BAD_RUNTIME" "$EDITOR_BIN" >"$WORK/editor.log" 2>&1 & EDITOR=$!; PIDS="$EDITOR"
close_error_box "a lock that cannot be made"
wait_exit "$EDITOR" 10 || fail "the editor did not end after the error box"
[ "$STATUS" -ne 0 ] || fail "the editor ended with 0 after failing to make its lock"
PIDS=""

# 7. No private folder for the lock (links planted where Qt's and our own would go): the
#    "Error" box says so, and the window opens all the same.
SHARED="$WORK/shared-tmp"
mkdir -p "$SHARED" && ln -s / "$SHARED/runtime-$(id -un)" && ln -s / "$SHARED/zozavud-$(id -u)"
env -u XDG_RUNTIME_DIR TMPDIR="$SHARED" "$EDITOR_BIN" >"$WORK/editor.log" 2>&1 & EDITOR=$!; PIDS="$EDITOR"
close_error_box "a lock folder others could plant files in"
WINDOW=$(wait_window "$EDITOR") || fail "no window after the box for an unusable lock folder"
menu_exit "$WINDOW" "$EDITOR"
wait_exit "$EDITOR" 10 || fail "the unguarded editor did not end on File > Exit"
[ "$STATUS" -eq 0 ] || fail "the unguarded editor ended with $STATUS"
PIDS=""
echo "PASS"
