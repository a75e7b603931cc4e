#!/bin/sh
# vornak-chart --json on N random chart lines against the same output of
# another revision, built here from git, or against the stored checksum of
# that output. The key jdut, which older revisions do not print, is taken
# out first. Exit status 0 when every line is the same.
#
#   samestate.sh BUILD [REF [N]]     REF a git revision, or "stored" (default):
#                                    the output of 5acbb73, in samestate.sha256
set -eu
build=$1
ref=${2:-stored}
n=${3:-1000000}
src=$(cd "$(dirname "$0")/.." && pwd)
new="$build/cli/vornak-chart"
lines="$build/samestate-$n.vnk"
[ -s "$lines" ] || "$build/bench/vornak_randlines" "$n" >"$lines"
strip() { sed 's/, "jdut": [^,]*//'; }

if [ "$ref" = stored ]; then
  sum=$(grep "^$n " "$src/bench/samestate.sha256" | cut -d' ' -f2)
  [ -n "$sum" ] || { echo "no stored checksum for $n lines"; exit 2; }
  got=$("$new" --json "$lines" | strip | sha256sum | cut -d' ' -f1)
  echo "$n random chart lines, vornak-chart --json: $got"
  [ "$got" = "$sum" ] && echo "same as the stored checksum" && exit 0
  echo "DIFFERENT from the stored checksum $sum"
  exit 1
fi

dir="$build/samestate-ref/$(git -C "$src" rev-parse --short "$ref")"
if [ ! -x "$dir/build/cli/vornak-chart" ]; then
  rm -rf "$dir" && mkdir -p "$dir/src"
  git -C "$src" archive "$ref" | tar -x -C "$dir/src"
  cmake -S "$dir/src" -B "$dir/build" -DCMAKE_BUILD_TYPE=Release \
    -DVORNAK_GUI=OFF -DVORNAK_BENCH=OFF >/dev/null
  cmake --build "$dir/build" -j 2 --target vornak-chart >/dev/null
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkfifo "$tmp/a" "$tmp/b"
"$dir/build/cli/vornak-chart" --json "$lines" | strip | tee "$tmp/a" | sha256sum >"$tmp/refsum" &
"$new" --json "$lines" | strip >"$tmp/b" &
if cmp "$tmp/a" "$tmp/b"; then
  wait
  echo "$n random chart lines, vornak-chart --json: the same as at $ref ($(cut -d' ' -f1 "$tmp/refsum"))"
  exit 0
fi
wait || true
echo "DIFFERENT from $ref"
exit 1
