#!/usr/bin/env bash
# Sets up, builds (with AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

tools/setup
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DSEALSCRIBE_SANITIZE=ON >/dev/null
cmake --build build/test -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
# Each test program once more with all its tests in one process: CTest runs a test per
# process, and this shows that no test leans on what another left behind.
find build/test/tests -name 'test_*' -type f -perm -u+x -print0 | sort -z |
    xargs -0 -P "$(nproc)" -I{} sh -c \
        'log=$(mktemp); "$1" --gtest_brief=1 >"$log" 2>&1 ||
         { cat "$log"; echo "failed with all its tests in one process: $1"; rm -f "$log"; exit 255; }
         rm -f "$log"' sh {}
