#!/usr/bin/env bash
# Sets up, builds in release mode and runs the benchmarks.
set -euo pipefail
cd "$(dirname "$0")"

tools/setup
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DSEALSCRIBE_TESTS=OFF >/dev/null
cmake --build build/bench -j "$(nproc)"
for program in build/bench/bench/bench_*; do
    [ -x "$program" ] && "$program" "$@"
done
