#!/bin/bash
# The Windows tool writes what the Linux tool writes: documents, edits and every command
# kind, byte for byte, and prints the same.
#   cli_same_bytes.sh LINUX_CLI WINE_RUN WINDOWS_CLI
# Each step runs in both tools' own folder; after each, every file in the two folders and
# the step's standard output must be the same.
set -u
LINUX=$1 WINE_RUN=$2 WINDOWS=$3
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir "$WORK/linux" "$WORK/windows"
failures=0

step() {
  (cd "$WORK/linux" && "$LINUX" "$@" >../linux.out 2>/dev/null)
  local a=$?
  (cd "$WORK/windows" && "$WINE_RUN" "$WINDOWS" "$@" >../windows.out 2>/dev/null)
  local b=$?
  if [ "$a" != "$b" ] || ! cmp -s "$WORK/linux.out" "$WORK/windows.out" ||
    ! diff -r -q "$WORK/linux" "$WORK/windows" >/dev/null; then
    echo "differs: $* (exit $a / $b)"
    diff -r -q "$WORK/linux" "$WORK/windows"
    diff "$WORK/linux.out" "$WORK/windows.out" | head -5
    failures=$((failures + 1))
  fi
}

for language in en ja fr de es it zh; do
  step new --language "$language" "fresh-$language.lcd"
done
step new edited.lcd
step edit --image 1 --text1 "Online" --text2 "QD-N801 Wgjpqy" edited.lcd
step edit --image 2 --font Arial --height -11 --style bold,italic --text1 "Paper end" edited.lcd
step edit --image 3 --font "MS UI Gothic" --charset 128 --text1 "用紙切れ" --offset 3 edited.lcd
step edit --image 4 --font "Liberation Serif" --height 20 --style underline,strikeout --text1 "Cover open" edited.lcd
step edit --image 5 --charset 134 --font "MS UI Gothic" --text1 "纸张用完" --blink on edited.lcd
step edit --image 6 --text1 "a line much too long to fit on the display at once" edited.lcd
step edit --image 7 --language ja --clear edited.lcd
step info edited.lcd
step check edited.lcd
for kind in register register-all delete delete-all; do
  step command --image 2 -o "$kind.prn" "$kind" edited.lcd
done
step inspect register-all.prn
step preview --image 3 -o three.bmp edited.lcd

if [ "$failures" -gt 0 ]; then
  echo "$failures step(s) differ between the Linux and the Windows tool"
  exit 1
fi
echo "the Linux and the Windows tool wrote and printed the same in every step"
