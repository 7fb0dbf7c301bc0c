#!/usr/bin/env bash
# Installs what is missing, builds and starts Tarvel 3 (for now the
# command-line tool; arguments go to it, --help by default). Build output goes
# to standard error so that the program's own output can be redirected.
set -euo pipefail
cd "$(dirname "$0")/.."
{
  scripts/deps.sh build
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j2 --target tarvel3ctl
} >&2
exec build/tools/tarvel3ctl/tarvel3ctl "${@:---help}"
