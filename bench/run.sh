#!/usr/bin/env bash
# Runs the benchmarks and writes BENCHMARKS.md (make bench).
#   run.sh NATIVE_BENCH_DIR WINDOWS_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
native=$1
windows=$2
out=$native/results
mkdir -p "$out"

echo "Timing Miravox and muparser (a few minutes)..."
"$native/bench/engine_bench" ${BENCH_ARGS:-} --benchmark_out="$out/bench.json" --benchmark_out_format=json \
  | tee "$out/bench.txt" | grep -E '^(probe|miravox|muparser)' || true

echo "Timing the native and the Windows build..."
"$native/bench/engine_timing" > "$out/timing-native.tsv"
"$here/../scripts/wine-run" "$windows/bench/engine_timing.exe" | tr -d '\r' > "$out/timing-windows.tsv"

echo "Measuring peak memory of the command line..."
"$native/bench/engine_timing" --print-flat 1000000 > "$out/flat-1e6.txt"
echo "1+2" > "$out/tiny.txt"
calc=$native/cli/miravox-calc
/usr/bin/time -f %M "$calc" < "$out/tiny.txt" 2> "$out/rss-tiny.txt" > /dev/null
/usr/bin/time -f %M "$calc" < "$out/flat-1e6.txt" 2> "$out/rss-flat.txt" > /dev/null

python3 "$here/report.py" "$out" > "$here/../BENCHMARKS.md"
echo "Wrote BENCHMARKS.md"
