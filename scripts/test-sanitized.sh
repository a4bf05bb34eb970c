#!/usr/bin/env bash
# Builds everything once more with AddressSanitizer and UndefinedBehaviorSanitizer
# (g++) into build-asan/ and runs every test under them, the fuzz corpus replays
# included. Any sanitizer report fails its test; so does a leak of ours.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BRIVELA_ASAN_BUILD_DIR:-build-asan}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVELA_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
