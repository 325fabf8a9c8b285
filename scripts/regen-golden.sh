#!/bin/sh
# Rebuilds the golden fixtures of tests/printer/golden from their recipes.
#
#   scripts/regen-golden.sh [BUILD_DIR] [--documents]
#
# The command files (*.prn) are always rebuilt from the two documents with zozavud-cli.
# With --documents the two documents are rebuilt first:
#   fresh.lcd   a new English document, as File > New makes it;
#   edited.lcd  fresh.lcd with texts typed into images 2, 3 and 7 (7 in bold), then flags set
#               directly in the file, as no control sets them: image 2 Blink, image 3 Scroll
#               cleared, image 4 WideBitmap + Blink, image 8 Blink (Scroll stays), and record
#               12 stored with ImageNo 0.
# Only rebuild documents when their dots must change (a renderer change that is meant);
# review `git diff --stat` afterwards: every changed fixture is a changed expectation.
set -eu
cd "$(dirname "$0")/.."
build=build
documents=no
for arg in "$@"; do
  case $arg in
    --documents) documents=yes ;;
    *) build=$arg ;;
  esac
done
cli="$build/bin/zozavud-cli"
golden=tests/printer/golden
[ -x "$cli" ] || { echo "$cli not found: build first (make build)" >&2; exit 1; }

# set_byte FILE IMAGE FIELD_OFFSET VALUE: one byte of one record, in place.
set_byte() {
  printf "$(printf '\\%03o' "$4")" |
    dd of="$1" bs=1 seek=$((4096 + ($2 - 1) * 55296 + $3)) conv=notrunc status=none
}

if [ "$documents" = yes ]; then
  "$cli" new "$golden/fresh.lcd" --language en --force
  cp "$golden/fresh.lcd" "$golden/edited.lcd"
  "$cli" edit "$golden/edited.lcd" --image 2 --text1 "Hello"
  "$cli" edit "$golden/edited.lcd" --image 3 --text1 "A long message that scrolls across the whole display"
  "$cli" edit "$golden/edited.lcd" --image 7 --text1 "Two" --text2 "Lines" --style bold
  # Field offsets inside a record: ImageNo 2, Blink 785, Scroll 786, WideBitmap 792.
  set_byte "$golden/edited.lcd" 2 785 1
  set_byte "$golden/edited.lcd" 3 786 0
  set_byte "$golden/edited.lcd" 4 785 1
  set_byte "$golden/edited.lcd" 4 792 1
  set_byte "$golden/edited.lcd" 8 785 1
  set_byte "$golden/edited.lcd" 12 2 0
fi

write_command() { "$cli" command "$1" "$golden/$2" ${3:+--image "$3"} -o "$golden/$4"; }
write_command register-all fresh.lcd "" fresh_regist_all.prn
write_command register fresh.lcd 7 fresh_regist_07.prn
write_command delete fresh.lcd 19 fresh_delete_19.prn
write_command delete-all fresh.lcd "" delete_all.prn
write_command register-all edited.lcd "" edited_regist_all.prn
write_command register edited.lcd 4 edited_regist_04.prn
write_command register edited.lcd 12 edited_regist_12.prn
write_command delete edited.lcd 12 edited_delete_12.prn
# handmade_regist_01.prn is the register command of a record built pixel by pixel in
# tests/printer/PrinterTestData.cpp (HandMadeRecord); its bytes were checked by hand against
# the command layout and it has no recipe here on purpose: it is the independent reference.
git status --short "$golden"
