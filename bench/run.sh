#!/bin/sh
# Builds the program and the benchmark (Release) and prints the table:
# figure, median, floor, ratio, target, verdict.
#   bench/run.sh [lomibench options, e.g. --powtorzenia 20 --tylko start]
set -e
zrodla=$(cd "$(dirname "$0")/.." && pwd)
build=${LOMI_BENCH_BUILD:-$zrodla/build-bench}
cmake -S "$zrodla" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target lomibench
echo "uptime: $(uptime)"
"$build/bench/lomibench" "$@"
