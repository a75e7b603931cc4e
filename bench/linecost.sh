#!/bin/sh
# Instructions of one vornak-chart line, as text and as JSON, against those
# of its chart and dasha list alone, counted with callgrind.
#
#   linecost.sh BUILD [N]     N lines counted, default 1000
#
# A line's count is the program over 2N random chart lines less the program
# over the first N of them; the chart and dasha list are counted on the same
# last N lines, read beforehand (castchart and the periods, no text).
set -eu
build=$1
n=${2:-1000}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$build/bench/vornak_randlines" $((2 * n)) >"$tmp/all.vnk"
head -n "$n" "$tmp/all.vnk" >"$tmp/half.vnk"

# Instructions of a command run under callgrind (its further options first).
count() {
  valgrind --tool=callgrind --callgrind-out-file="$tmp/out" "$@" >/dev/null 2>"$tmp/log" ||
    { cat "$tmp/log" >&2; exit 2; }
  sed -n 's/^summary: *//p' "$tmp/out"
}

base=$(count --collect-atstart=no --toggle-collect=chartsanddashas \
  "$build/bench/vornak_chartcost" "$tmp/all.vnk" "$n" $((2 * n)))
echo "chart and dasha list: $((base / n)) instructions a line"
for form in text json; do
  flag=
  [ "$form" = json ] && flag=--json
  whole=$(count "$build/cli/vornak-chart" $flag "$tmp/all.vnk")
  half=$(count "$build/cli/vornak-chart" $flag "$tmp/half.vnk")
  line=$(((whole - half) / n))
  echo "vornak-chart, $form: $line instructions a line, $(echo "$line $base $n" |
    awk '{printf "%.3f", $1 / ($2 / $3)}') times the chart and dasha list"
done
