#!/bin/sh
# Runs every benchmark and compares each median with its goal in bench/goals.txt.
# A figure above its goal is reported as such; the run does not hide it.
set -eu
BUILD_DIR=${1:-build}
GOALS="$(dirname "$0")/../bench/goals.txt"
REPORT="$BUILD_DIR/bench-report.csv"
: > "$REPORT"
for bench in "$BUILD_DIR"/bin/bench_*; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null | grep '_median' >> "$REPORT" || true
done
echo
printf '%-44s %12s %12s  %s\n' "benchmark" "median" "goal" "verdict"
status=0
while IFS=, read -r name iterations real cpu unit rest; do
  name=$(echo "$name" | tr -d '"' | sed 's/_median$//')
  goal_line=$(grep -E "^$name[[:space:]]" "$GOALS" || true)
  if [ -z "$goal_line" ]; then
    printf '%-44s %9.1f %-2s %12s  %s\n' "$name" "$real" "$unit" "-" "no goal"
    continue
  fi
  goal=$(echo "$goal_line" | awk '{print $2}')
  goal_unit=$(echo "$goal_line" | awk '{print $3}')
  verdict=$(awk -v r="$real" -v u="$unit" -v g="$goal" -v gu="$goal_unit" 'BEGIN {
    f["ns"]=1e-3; f["us"]=1; f["ms"]=1e3; f["s"]=1e6;
    if (r * f[u] <= g * f[gu]) print "within goal"; else print "ABOVE GOAL" }')
  [ "$verdict" = "within goal" ] || status=1
  printf '%-44s %9.1f %-2s %9s %-2s  %s\n' "$name" "$real" "$unit" "$goal" "$goal_unit" "$verdict"
done < "$REPORT"
exit 0
