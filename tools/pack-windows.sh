#!/usr/bin/env bash
# Packs the Windows game into a zip: kvelt.exe, scripts.tex and the Czech and English read-me,
# in a folder "kvelt" that can be unpacked anywhere.
# Usage: pack-windows.sh WINDOWS_BIN_DIR ZIP_FILE
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$1
zip_file=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/kvelt" "$(dirname "$zip_file")"
cp "$bin/kvelt.exe" "$bin/scripts.tex" "$stage/kvelt/"
# Notepad reads the read-me files as UTF-8 with Windows line ends.
for text in README.txt CTIMNE.txt; do
  { printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$root/frontends/win32/readme/$text"; } >"$stage/kvelt/$text"
done
zip_path=$(cd "$(dirname "$zip_file")" && pwd)/$(basename "$zip_file")
rm -f "$zip_path"
(cd "$stage" && zip -q -X -r "$zip_path" kvelt)
echo "Packed $zip_file"
