#!/usr/bin/env bash
# Builds every libFuzzer target with clang in build-fuzz and runs each fuzz_*
# target for SECONDS seconds (default 60). Seeds come from
# fuzz/*/corpus/<target>/ when present; the growing corpus and any crash
# reproducers stay in build-fuzz/corpus/<target>/ and build-fuzz/crashes/<target>/.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[[ $seconds =~ ^[0-9]+$ ]] || { echo "usage: scripts/fuzz.sh [SECONDS]" >&2; exit 2; }

scripts/deps.sh build fuzz
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DTARVEL_FUZZ=ON -DTARVEL_BUILD_UI=OFF -DTARVEL_BUILD_TESTS=OFF -DTARVEL_BUILD_BENCH=OFF
cmake --build build-fuzz -j2

mapfile -t targets < <(find build-fuzz/fuzz -type f -name 'fuzz_*' -perm -u+x | sort)
[ ${#targets[@]} -gt 0 ] || { echo "fuzz.sh: no fuzz_* targets found" >&2; exit 1; }

failed=()
for target in "${targets[@]}"; do
  name=$(basename "$target")
  corpus=build-fuzz/corpus/$name
  crashes=build-fuzz/crashes/$name
  mkdir -p "$corpus" "$crashes"
  seeds=()
  for dir in fuzz/*/corpus/"$name"; do
    [ -d "$dir" ] && seeds+=("$dir")
  done
  echo "=== $name: ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$crashes/" "$corpus" "${seeds[@]}" 2>"build-fuzz/$name.log"; then
    failed+=("$name")
    tail -n 40 "build-fuzz/$name.log"
  else
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done' "build-fuzz/$name.log" || true
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: failures in ${failed[*]} (reproducers in build-fuzz/crashes/)" >&2
  exit 1
fi
echo "fuzz.sh: ${#targets[@]} targets ran ${seconds}s each without a finding"
