#!/usr/bin/env bash
# Builds the whole tree with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan and runs every test. Findings inside third-party libraries are
# suppressed, never the project's: a strict string check in libxkbcommon-x11
# (scripts/asan.supp) and a libdbus leak from Qt under X (scripts/lsan.supp).
# Usage: scripts/sanitize.sh [extra ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTARVEL_SANITIZE=ON -DTARVEL_BUILD_BENCH=OFF
cmake --build build-asan -j2

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1:suppressions=$PWD/scripts/asan.supp}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir build-asan --output-on-failure -j2 "$@"
