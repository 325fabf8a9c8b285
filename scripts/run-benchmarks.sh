#!/bin/sh
# Runs every benchmark and compares each median with its goal in bench/goals.txt.
# A figure above its goal is reported as such; the run does not hide it. So is a goal
# without a figure (a benchmark that failed, was skipped or is not built).
# Goals in a time unit compare the real time; any other unit names a counter of the row.
set -eu
BUILD_DIR=${1:-build}
GOALS=${BENCH_GOALS:-"$(dirname "$0")/../bench/goals.txt"}
REPORT="$BUILD_DIR/bench-report.csv"
RAW=$(mktemp -d)
trap 'rm -rf "$RAW"' EXIT

for bench in "$BUILD_DIR"/bin/bench_*; do
  [ -x "$bench" ] || continue
  name=$(basename "$bench")
  echo "== $name"
  # A failed program still leaves the rows it printed; its status is reported below.
  if ! "$bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
      --benchmark_format=csv > "$RAW/$name.csv" 2> "$RAW/$name.err"; then
    echo "   $name ended with a failure: $(grep -v '^[[:space:]]*$' "$RAW/$name.err" | tail -1)"
  fi
done

if ! ls "$RAW"/*.csv > /dev/null 2>&1; then
  echo "no benchmark programs in $BUILD_DIR/bin: build them first" >&2
  exit 1
fi

# Splits a CSV line into f[1..n] (fields may be quoted and hold commas); returns n.
AWK_CSV='
function split_csv(line, f,    n, i, c, field, quoted) {
  n = 0; field = ""; quoted = 0
  for (i = 1; i <= length(line); i++) {
    c = substr(line, i, 1)
    if (quoted) {
      if (c == "\"" && substr(line, i + 1, 1) == "\"") { field = field "\""; i++ }
      else if (c == "\"") quoted = 0
      else field = field c
    } else if (c == "\"") quoted = 1
    else if (c == ",") { f[++n] = field; field = "" }
    else field = field c
  }
  f[++n] = field
  return n
}'

echo
awk -v report="$REPORT" "$AWK_CSV"'
BEGIN { factor["ns"] = 1e-3; factor["us"] = 1; factor["ms"] = 1e3; factor["s"] = 1e6 }
FNR == NR {
  if ($0 ~ /^[[:space:]]*(#|$)/) next
  goal[$1] = $2; goal_unit[$1] = $3; goal_order[++goals] = $1
  next
}
/^name,/ { n = split_csv($0, header); delete col; for (i = 1; i <= n; i++) col[header[i]] = i; next }
{
  if (!("name" in col)) next
  split_csv($0, f)
  base = f[col["name"]]
  if (f[col["error_occurred"]] == "true") {
    sub(/\/.*/, "", base)
    error[base] = f[col["error_message"]]
    next
  }
  if (base !~ /_median$/) next
  sub(/_median$/, "", base); sub(/\/.*/, "", base)
  if (!(base in seen)) { seen[base] = 1; order[++measured] = base }
  time[base] = f[col["real_time"]]; unit[base] = f[col["time_unit"]]
  for (name in col) if (col[name] > col["error_message"]) counter[base, name] = f[col[name]]
}
function report_one(name,    gu, figure, figure_unit, within) {
  if (!(name in seen)) {
    missing++
    line(name, "-", "", goal[name], goal_unit[name], "NOT MEASURED" (name in error ? ": " error[name] : ""))
    return
  }
  if (!(name in goal)) { line(name, sprintf("%.1f", time[name]), unit[name], "-", "", "no goal"); return }
  gu = goal_unit[name]
  if (gu in factor) {
    figure = time[name]; figure_unit = unit[name]
    within = figure * factor[figure_unit] <= goal[name] * factor[gu]
  } else if ((name, gu) in counter && counter[name, gu] != "") {
    figure = counter[name, gu]; figure_unit = gu
    within = figure + 0 <= goal[name] + 0
  } else {
    missing++
    line(name, "-", "", goal[name], gu, "NO FIGURE (no counter " gu ")")
    return
  }
  if (within) ok++; else above++
  line(name, sprintf("%.1f", figure), figure_unit, goal[name], gu, within ? "within goal" : "ABOVE GOAL")
}
function line(name, figure, figure_unit, g, gu, verdict) {
  printf "%-40s %10s %-3s %8s %-3s  %s\n", name, figure, figure_unit, g, gu, verdict
  printf "%s,%s,%s,%s,%s,%s\n", name, figure, figure_unit, g, gu, verdict >> report
}
END {
  printf "" > report
  printf "%-40s %14s %12s  %s\n", "benchmark (median of 10)", "figure", "goal", "verdict"
  # Goals first, in their file order; then figures that have no goal.
  for (i = 1; i <= goals; i++) report_one(goal_order[i])
  for (i = 1; i <= measured; i++) if (!(order[i] in goal)) report_one(order[i])
  printf "\n%d within goal, %d above goal, %d without a figure (of %d goals)\n", ok, above, missing, goals
}' "$GOALS" "$RAW"/*.csv
