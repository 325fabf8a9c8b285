#!/bin/sh
# Runs each fuzz target for the given seconds from its corpus under fuzz/corpus/.
# New inputs go to the build directory, so the checked-in corpus stays as it is.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
set -eu
BUILD_DIR=$1
SECONDS_EACH=$2
shift 2
CORPUS="$(cd "$(dirname "$0")" && pwd)/corpus"
[ $# -gt 0 ] || set -- document bitmap version
status=0
for target in "$@"; do
  work="$BUILD_DIR/fuzz-work/$target"
  mkdir -p "$work/corpus" "$work/artifacts"
  # The compact document form needs all 19 record heads and some layer; executables
  # are padded to their file alignment.
  case $target in
    document) max_len=20000 ;;
    version) max_len=8192 ;;
    *) max_len=4096 ;;
  esac
  echo "== fuzz_$target for ${SECONDS_EACH}s"
  if ! ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0" \
      LSAN_OPTIONS="suppressions=$CORPUS/../lsan.supp:print_suppressions=0" \
      UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
      "$BUILD_DIR/bin/fuzz_$target" -max_total_time="$SECONDS_EACH" -rss_limit_mb=4096 \
        -timeout=30 -max_len=$max_len -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" "$work/corpus" "$CORPUS/$target" \
        > "$work/log.txt" 2>&1; then
    status=1
    echo "fuzz_$target FAILED; the crashing input is in $work/artifacts/" >&2
    tail -n 60 "$work/log.txt" >&2
  fi
  grep -E '^#[0-9]+.*(DONE|pulse|INITED)' "$work/log.txt" | tail -n 1 || true
  grep -E '^stat::number_of_executed_units' "$work/log.txt" || true
done
exit $status
