#!/usr/bin/env bash
# Zips the folder FOLDER of STAGE_DIR so that the same files give the same bytes: entries in
# byte order, every time set to tools/source-date.sh, modes reduced to 644 and 755, and no
# owners or extra time fields (zip -X).
# Usage: pack-zip.sh STAGE_DIR FOLDER ZIP_FILE
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
stage=$1
folder=$2
zip_file=$3
epoch=$("$root/tools/source-date.sh")
mkdir -p "$(dirname "$zip_file")"
zip_path=$(cd "$(dirname "$zip_file")" && pwd)/$(basename "$zip_file")
rm -f "$zip_path"
cd "$stage"
chmod -R u=rwX,go=rX "$folder"
find "$folder" -exec touch -h -d "@$epoch" {} +
# zip keeps local times; in UTC they are the same on every machine.
find "$folder" | LC_ALL=C sort | TZ=UTC zip -q -X -@ "$zip_path"
