#!/usr/bin/env bash
# The build gates, as CI runs them: installs what is missing, builds everything
# with warnings as errors and assertions kept, runs every test, then builds and
# runs the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer (scripts/sanitize.sh, in build-asan).
# ccache is used when it is installed.
# Usage: scripts/test.sh [--no-sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=1
[ "${1:-}" = "--no-sanitize" ] && sanitize=0

# The run group brings Xvfb and xdotool, so the tests of the program on an X
# server run instead of being skipped.
scripts/deps.sh test run
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEL_WERROR=ON -DTARVEL_ASSERTS=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

if [ "$sanitize" = 1 ]; then
  scripts/sanitize.sh
fi
