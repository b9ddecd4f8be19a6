#!/usr/bin/env bash
# `make lint`: every tracked C++ file as clang-format writes it, and clang-tidy (.clang-tidy)
# over the engine, the front ends' common kit and the terminal front ends (their tests
# excepted), from the compile commands of BUILD_DIR.
# The Windows and browser sources are left to the MinGW and emscripten builds: a Linux compile
# database cannot parse them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# The folders of src/ include one another only as docs/architecture.md draws them.
python3 tools/folder_graph.py >/dev/null

mapfile -t sources < <(git ls-files 'src/*.cpp' 'frontends/common/*.cpp' 'frontends/cli/*.cpp' 'frontends/term/*.cpp' | grep -vE '_(win32|web|test)\.cpp$')
run-clang-tidy -quiet -p "$build" -j "${JOBS:-$(nproc)}" "${sources[@]}" >"$build/clang-tidy.log" 2>&1 ||
  { grep -E 'error:|warning:' "$build/clang-tidy.log" | sort -u; echo "clang-tidy found the above"; exit 1; }
echo "lint: clang-format, the folder graph and clang-tidy are clean"
