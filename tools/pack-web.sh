#!/usr/bin/env bash
# Packs the browser edition (the site `make web` builds) into a zip for any static host: the
# site's files and LICENSE in a folder "kvelt".
# Usage: pack-web.sh SITE_DIR ZIP_FILE
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
site=$1
zip_file=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp -R "$site" "$stage/kvelt"
cp "$root/LICENSE" "$stage/kvelt/"
"$root/tools/pack-zip.sh" "$stage" kvelt "$zip_file"
echo "Packed $zip_file"
