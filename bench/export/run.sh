#!/bin/bash
# Export benchmark: gk13-export on a generated data set of 1,000,000 assets,
# against the SQLite shell dumping the same store's asset table as CSV, and
# against 100,000 assets (linear scaling).
#
#   bench/export/run.sh [BUILD_DIR] [RUNS]     (default build/bench-export, 5)
#
# Every figure is whole-process CPU time (user + system, from /usr/bin/time),
# which a shared, busy machine disturbs far less than wall time. The commands
# run in turn (export 1M, dump 1M, export 100k, ...) and each ratio is taken
# pair by pair within one round, so that a drifting machine speed touches both
# sides of a ratio alike; the medians of RUNS rounds are printed, wall times
# beside them for reference. Targets: export 1M / dump 1M at most 0.6, export
# 1M / export 100k at most 11, peak memory of the 1M export under 64 MB.
#
# The stores are generated once (pelk-ledger generate, seed 1) into
# BUILD_DIR/bench-data and reused. Needs cmake, ninja, g++, sqlite3, /usr/bin/time
# (and npm on the first configure, for the SQLite amalgamation).
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
    rm -f "$store.tmp"
    "$ledger" --store "$store.tmp" create >/dev/null
    "$ledger" --store "$store.tmp" generate --data BENCH --no 1 --count "$n" --seed 1 >/dev/null
    mv "$store.tmp" "$store"
  fi
done

# Runs a command once, its output thrown away; prints "cpu_seconds wall_seconds peak_kb".
measure() {
  /usr/bin/time -f "%U %S %e %M" -o "$data/time.txt" "$@" >/dev/null 2>&1 || true
  awk '{ printf "%.2f %s %s\n", $1 + $2, $3, $4 }' "$data/time.txt"
}
median() { sort -g | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
export_1m() { measure "$export_bin" --store "$data/assets-1000000.db" --data 1 --out "$data/out-1m/assets.csv" --no-progress; }
dump_1m() { measure sh -c "sqlite3 -csv '$data/assets-1000000.db' 'SELECT * FROM assets' > '$data/dump.csv'"; }
export_100k() { measure "$export_bin" --store "$data/assets-100000.db" --data 1 --out "$data/out-100k/assets.csv" --no-progress; }

rounds=$data/rounds.txt
: >"$rounds"
# One unmeasured round first, so that every measured run finds the stores in the page cache.
export_1m >/dev/null; dump_1m >/dev/null; export_100k >/dev/null
for i in $(seq "$runs"); do
  e=$(export_1m); d=$(dump_1m); s=$(export_100k)
  echo "$e $d $s" >>"$rounds"
  set -- $e $d $s
  echo "round $i: cpu s export 1M $1, dump 1M $4, export 100k $7 (wall $2, $5, $8)"
done

# Columns of a round: export 1M cpu wall peak, dump 1M cpu wall peak, export 100k cpu wall peak.
col() { awk -v c="$1" '{ print $c }' "$rounds" | median; }
ratio() { awk -v a="$1" -v b="$2" '{ printf "%.4f\n", $a / $b }' "$rounds" | median; }
echo "median cpu s: export 1M $(col 1), dump 1M $(col 4), export 100k $(col 7)"
echo "median wall s: export 1M $(col 2), dump 1M $(col 5), export 100k $(col 8)"
echo "export 1M / dump 1M, cpu (median of paired ratios): $(ratio 1 4)   target <= 0.6"
echo "export 1M / export 100k, cpu (median of paired ratios): $(ratio 1 7)   target <= 11"
peak=$(awk '{ print $3 }' "$rounds" | sort -n | tail -1)
awk -v p="$peak" 'BEGIN { printf "peak memory of the 1M export (largest of the rounds): %.1f MB   target < 64\n", p / 1024 }'
