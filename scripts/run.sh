#!/usr/bin/env bash
# Installs what is missing, builds and starts Tarvel 3.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target tarvel3ctl
exec build/tools/tarvel3ctl/tarvel3ctl "${@:---help}"
