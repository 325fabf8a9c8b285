#!/bin/sh
# Feeds scripts/run-benchmarks.sh stand-in benchmark programs and checks its verdicts:
# within and above a goal in time and in a counter, unit conversion, a failed benchmark,
# a crashed program and a goal with no figure must each be reported, never dropped.
set -eu
SCRIPT=${1:?usage: report_test.sh RUN_BENCHMARKS_SCRIPT}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/build/bin"
HEADER='name,iterations,real_time,cpu_time,time_unit,bytes_per_second,items_per_second,label,error_occurred,error_message'

fake() {  # fake NAME EXIT_STATUS CSV_LINES...
  name=$1 status=$2; shift 2
  { echo '#!/bin/sh'; echo "cat <<'CSV'"; for l in "$@"; do echo "$l"; done; echo CSV; echo "exit $status"; } \
    > "$WORK/build/bin/$name"
  chmod +x "$WORK/build/bin/$name"
}
fake bench_a 0 "$HEADER" \
  '"BM_Fast_mean",10,0.5,0.5,ms,,,,,' \
  '"BM_Fast_median",10,0.4,0.4,ms,,,,,' \
  '"BM_Slow/real_time_median",10,2500,2500,us,,,,,' \
  '"BM_Loose_median",10,7,7,us,,,,,' \
  '"BM_Micro_median",10,900,900,us,,,,,'
fake bench_b 0 "$HEADER,\"MB\"" \
  '"BM_Big/iterations:1/manual_time_median",10,600,2,ms,,,,,,130.5' \
  '"BM_Small/iterations:1/manual_time_median",10,600,2,ms,,,,,,40'
fake bench_c 0 "$HEADER" \
  '"BM_Broken/manual_time",0,0,0,ms,,,,true,"display, gone"'
fake bench_d 134 "$HEADER" '"BM_Cut_median",10,1,1,ms,,,,,'
fake bench_e 0 "$HEADER" '"BM_NoCounter_median",10,1,1,ms,,,,,'
cat > "$WORK/goals.txt" <<'GOALS'
# name goal unit
BM_Fast       1  ms
BM_Slow       2  ms
BM_Micro      1  ms
BM_Big      120  MB
BM_Small    120  MB
BM_Broken   400  ms
BM_Cut        5  ms
BM_Absent    10  us
BM_NoCounter 50  MB
GOALS

BENCH_GOALS="$WORK/goals.txt" sh "$SCRIPT" "$WORK/build" > "$WORK/out" 2>&1
failures=0
expect() {  # expect NAME PATTERN
  if ! grep -E "^$1 .*$2" "$WORK/out" > /dev/null; then
    echo "FAIL: $1 should match: $2" >&2
    failures=$((failures + 1))
  fi
}
expect BM_Fast '0\.4 ms +1 ms +within goal'
expect BM_Slow '2500\.0 us +2 ms +ABOVE GOAL'
expect BM_Micro '900\.0 us +1 ms +within goal'
expect BM_Big '130\.5 MB +120 MB +ABOVE GOAL'
expect BM_Small '40\.0 MB +120 MB +within goal'
expect BM_Broken 'NOT MEASURED: display, gone'
expect BM_Cut 'within goal'
expect BM_Absent 'NOT MEASURED'
expect BM_NoCounter 'NO FIGURE'
expect BM_Loose '7\.0 us +- +no goal'
grep -q 'bench_d ended with a failure' "$WORK/out" || { echo "FAIL: the crashed program is not reported" >&2; failures=$((failures + 1)); }
grep -q '^4 within goal, 2 above goal, 3 without a figure (of 9 goals)$' "$WORK/out" ||
  { echo "FAIL: wrong summary" >&2; failures=$((failures + 1)); }
[ "$(grep -c . "$WORK/build/bench-report.csv")" -eq 10 ] || { echo "FAIL: the CSV report should have 10 rows" >&2; failures=$((failures + 1)); }

if [ "$failures" -ne 0 ]; then
  cat "$WORK/out" >&2
  exit 1
fi
echo "benchmark report: all verdicts as expected"
