#!/bin/sh
# Runs each fuzz target for the given seconds from its corpus under fuzz/corpus/.
# The targets, their corpora and largest inputs are those fuzz/CMakeLists.txt lists,
# as it writes them to BUILD_DIR/fuzz-targets.txt; naming targets runs only those.
# New inputs go to the build directory, so the checked-in corpus stays as it is.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]   (TARGET as fuzz_job or job)
set -eu
BUILD_DIR=$1
SECONDS_EACH=$2
shift 2
CORPUS="$(cd "$(dirname "$0")" && pwd)/corpus"
LIST="$BUILD_DIR/fuzz-targets.txt"
[ -f "$LIST" ] || { echo "no $LIST: configure $BUILD_DIR with ZOZAVUD_BUILD_FUZZERS=ON" >&2; exit 1; }
wanted=" $* "
status=0
ran=0
while read -r name corpus max_len; do
  if [ $# -gt 0 ] && [ "${wanted#* $name }" = "$wanted" ] && [ "${wanted#* ${name#fuzz_} }" = "$wanted" ]; then
    continue
  fi
  ran=$((ran + 1))
  work="$BUILD_DIR/fuzz-work/$corpus"
  mkdir -p "$work/corpus" "$work/artifacts"
  echo "== $name for ${SECONDS_EACH}s"
  if ! ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0" \
      LSAN_OPTIONS="suppressions=$CORPUS/../lsan.supp:print_suppressions=0" \
      UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
      "$BUILD_DIR/bin/$name" -max_total_time="$SECONDS_EACH" -rss_limit_mb=4096 \
        -timeout=30 -max_len="$max_len" -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" "$work/corpus" "$CORPUS/$corpus" \
        > "$work/log.txt" 2>&1; then
    status=1
    echo "$name FAILED; the crashing input is in $work/artifacts/" >&2
    tail -n 60 "$work/log.txt" >&2
  fi
  grep -E '^#[0-9]+.*(DONE|pulse|INITED)' "$work/log.txt" | tail -n 1 || true
  grep -E '^stat::number_of_executed_units' "$work/log.txt" || true
done < "$LIST"
[ "$ran" -gt 0 ] || { echo "no such fuzz target: $*" >&2; exit 1; }
exit $status
