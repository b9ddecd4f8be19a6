#!/usr/bin/env bash
# Runs the whole suite of a build: `tools/run-tests.sh BUILD_DIR`.
# Deterministic tests run once; a failure fails the run. The display tests (label `display`:
# Xvfb, Wine, tmux, the browser) drive real displays and wait for what they expect to see; one
# that still fails gets a single second try, and a pass on that try is printed as such, so an
# intermittent fault never reads as a clean pass.
set -uo pipefail
build=${1:-build}
jobs=${JOBS:-$(nproc)}

ctest --test-dir "$build" --output-on-failure -j "$jobs" -LE display
engine=$?

ctest --test-dir "$build" --output-on-failure -j "$jobs" -L display
display=$?
if [[ $display -ne 0 ]]; then
  log="$build/Testing/Temporary/LastTestsFailed.log"
  failed=$(cut -d: -f2 "$log" 2>/dev/null | tr '\n' ' ')
  echo "Display tests failed once: $failed- trying them once more."
  ctest --test-dir "$build" --output-on-failure --rerun-failed
  display=$?
  if [[ $display -eq 0 ]]; then
    for name in $failed; do echo "RETRIED PASS (failed once, passed on the second try): $name"; done
  fi
fi

[[ $engine -eq 0 && $display -eq 0 ]]
