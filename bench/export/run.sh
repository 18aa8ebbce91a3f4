#!/bin/bash
# Export benchmark: gk13-export on a generated data set of 1,000,000 assets,
# against the SQLite shell dumping the same store's asset table as CSV, and
# against 100,000 assets (linear scaling). Whole-process wall time and peak
# memory from /usr/bin/time; medians of RUNS runs, the two 1,000,000 runs
# taken in turn so that a drifting machine speed touches both alike.
#
#   bench/export/run.sh [BUILD_DIR] [RUNS]     (default build/bench-export, 5)
#
# The stores are generated once (pelk-ledger generate, seed 1) into
# BUILD_DIR/bench-data and reused. Needs cmake, ninja, g++, sqlite3, /usr/bin/time.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build/bench-export}
runs=${2:-5}
cd "$root"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGK_SANITIZE=OFF >/dev/null
cmake --build "$build" --target gk13-export pelk-ledger >/dev/null
export_bin=$build/tools/gk13-export/gk13-export
ledger=$build/tools/pelk-ledger/pelk-ledger
data=$build/bench-data
mkdir -p "$data/out-100k" "$data/out-1m"

for n in 100000 1000000; do
  store=$data/assets-$n.db
  if [ ! -f "$store" ]; then
    "$ledger" --store "$store.tmp" create >/dev/null
    "$ledger" --store "$store.tmp" generate --data BENCH --no 1 --count "$n" --seed 1 >/dev/null
    mv "$store.tmp" "$store"
  fi
done

# Runs a command once; prints "wall_seconds peak_kb".
measure() {
  /usr/bin/time -f "%e %M" -o "$data/time.txt" "$@" >/dev/null 2>&1 || true
  cat "$data/time.txt"
}
median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

: >"$data/export-1m.txt"; : >"$data/dump-1m.txt"; : >"$data/export-100k.txt"; : >"$data/ratio.txt"
# One unmeasured warm-up of each, so that every measured run finds the store in the page cache.
measure "$export_bin" --store "$data/assets-1000000.db" --data 1 --out "$data/out-1m/assets.csv" >/dev/null
measure sh -c "sqlite3 -csv '$data/assets-1000000.db' 'SELECT * FROM assets' > '$data/dump.csv'" >/dev/null
for i in $(seq "$runs"); do
  e=$(measure "$export_bin" --store "$data/assets-1000000.db" --data 1 --out "$data/out-1m/assets.csv")
  d=$(measure sh -c "sqlite3 -csv '$data/assets-1000000.db' 'SELECT * FROM assets' > '$data/dump.csv'")
  s=$(measure "$export_bin" --store "$data/assets-100000.db" --data 1 --out "$data/out-100k/assets.csv")
  echo "$e" >>"$data/export-1m.txt"; echo "$d" >>"$data/dump-1m.txt"; echo "$s" >>"$data/export-100k.txt"
  awk -v e="${e% *}" -v d="${d% *}" 'BEGIN { printf "%.3f\n", e / d }' >>"$data/ratio.txt"
  echo "run $i: export 1M ${e% *} s, dump 1M ${d% *} s, export 100k ${s% *} s"
done

e1m=$(cut -d' ' -f1 "$data/export-1m.txt" | median)
d1m=$(cut -d' ' -f1 "$data/dump-1m.txt" | median)
e100k=$(cut -d' ' -f1 "$data/export-100k.txt" | median)
peak=$(cut -d' ' -f2 "$data/export-1m.txt" | sort -n | tail -1)
echo "median wall seconds: export 1M $e1m, dump 1M $d1m, export 100k $e100k"
echo "export 1M / dump 1M (median of the paired ratios): $(median <"$data/ratio.txt")   target <= 0.6"
awk -v a="$e1m" -v b="$e100k" 'BEGIN { printf "export 1M / export 100k: %.2f   target <= 11\n", a / b }'
awk -v p="$peak" 'BEGIN { printf "peak memory of the 1M export: %.1f MB   target < 64\n", p / 1024 }'
