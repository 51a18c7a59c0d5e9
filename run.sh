#!/usr/bin/env bash
# Sets up, builds and runs Sealscribe.
set -euo pipefail
cd "$(dirname "$0")"

tools/setup
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DSEALSCRIBE_TESTS=OFF -DSEALSCRIBE_BENCH=OFF >/dev/null
cmake --build build/release -j "$(nproc)"
exec build/release/src/sealscribe "$@"
