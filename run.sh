#!/usr/bin/env bash
# Sets up, builds and runs Sealscribe.
set -euo pipefail
cd "$(dirname "$0")"

tools/setup
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DSEALSCRIBE_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)"
if [ -x build/release/src/sealscribe ]; then
    exec build/release/src/sealscribe "$@"
fi
echo "Sealscribe's libraries are built; the desktop program itself does not exist yet."
