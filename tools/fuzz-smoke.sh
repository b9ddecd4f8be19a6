#!/usr/bin/env bash
# Builds the fuzz targets with clang (in their own build dir) and runs each for a while:
# `tools/fuzz-smoke.sh [SECONDS]`, 60 seconds each unless told. A crash, a sanitizer report or
# a hang fails the run and leaves the input that caused it in the build dir.
#   load_fuzzer: any bytes as the two files of a save slot, loaded and played on;
#   turn_fuzzer: any bytes as typed lines, from a new game (seeded with the winning game);
#   slot_fuzzer: saves, loads, kills and restarts on files that fail at chosen points, checked
#                against what each slot may hold.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${FUZZ_BUILD:-build-fuzz}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKVELT_FUZZ=ON -DKVELT_TESTS=OFF -DKVELT_FRONTENDS=OFF >/dev/null
cmake --build "$build" -j 2 --target load_fuzzer turn_fuzzer slot_fuzzer

# Undefined behaviour stops a run at its first report (the build says so too).
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

run() {
  local target=$1 seeds=$2 max_len=$3
  # The seeds stay as they are; what the run discovers goes to the build dir.
  mkdir -p "$build/corpus-$target"
  "$build/bin/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/$target-" \
    "$build/corpus-$target" "$seeds"
}
run load_fuzzer fuzz/corpus 8192
run turn_fuzzer tests/data 16384
run slot_fuzzer fuzz/corpus-slots 512
