#!/bin/sh
# run.sh BUILD SECONDS: runs each fuzz target for SECONDS on a corpus seeded
# from the sample chart file; fails on the first finding.
set -eu
build=$(cd "$1" && pwd)
secs=$2
src=$(cd "$(dirname "$0")" && pwd)
samples=$src/../../samples/charts.vnk
for t in chartline chartfile entries chartcmd csvimport pagetext; do
  corpus=$build/corpus/$t
  mkdir -p "$corpus"
  split -l 1 -d "$samples" "$corpus/sample-line-"
  cp "$samples" "$corpus/sample-file"
  cp "$src"/seeds/* "$corpus/"
  log=$build/fuzz_$t.log
  # The import's bounds (a record of 65536 bytes) need inputs past them.
  len=4096
  [ "$t" = csvimport ] && len=262144
  echo "fuzz_$t: $secs s"
  if ! "$build/tests/fuzz/fuzz_$t" -max_total_time="$secs" -timeout=10 -max_len="$len" \
       -artifact_prefix="$build/finding-$t-" "$corpus" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$t found a fault; the input is in $build/finding-$t-*" >&2
    exit 1
  fi
  tail -n 1 "$log"
done
