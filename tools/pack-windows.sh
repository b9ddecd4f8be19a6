#!/usr/bin/env bash
# Packs the Windows game into a zip: kvelt.exe, scripts.tex, the Czech and English read-me and
# the licence, in a folder "kvelt" that can be unpacked anywhere.
# Usage: pack-windows.sh WINDOWS_BIN_DIR ZIP_FILE
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$1
zip_file=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/kvelt"
cp "$bin/kvelt.exe" "$bin/scripts.tex" "$stage/kvelt/"
# Notepad reads the read-me files as UTF-8 with Windows line ends; the licence gets the same
# ends and a .txt name, so that a double click opens it.
for text in README.txt CTIMNE.txt; do
  { printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$root/frontends/win32/readme/$text"; } >"$stage/kvelt/$text"
done
sed 's/$/\r/' "$root/LICENSE" >"$stage/kvelt/LICENSE.txt"
"$root/tools/pack-zip.sh" "$stage" kvelt "$zip_file"
echo "Packed $zip_file"
