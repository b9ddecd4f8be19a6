#!/usr/bin/env bash
# Builds the save-slot loader's fuzz target with clang (in its own build dir) and runs it for
# a while: `tools/fuzz-smoke.sh [SECONDS]`, 60 seconds unless told. A crash, a sanitizer report
# or a hang fails the run and leaves the input that caused it in the build dir.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${FUZZ_BUILD:-build-fuzz}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKVELT_FUZZ=ON -DKVELT_TESTS=OFF -DKVELT_FRONTENDS=OFF >/dev/null
cmake --build "$build" -j 2 --target load_fuzzer

# The seeds stay as they are; what the run discovers goes to the build dir.
mkdir -p "$build/corpus"
"$build/bin/load_fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/" \
  "$build/corpus" fuzz/corpus
