#!/bin/sh
# Prints the game's version, the one number in CMakeLists.txt's project().
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
sed -n 's/^project(kvelt VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt"
