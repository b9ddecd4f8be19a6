#!/usr/bin/env bash
# Builds every artefact of a release into OUT_DIR from the commit checked out: the source
# tarball, then, from that tarball unpacked, the Debian package, the Windows zip and the
# browser edition's zip, each as its own make command builds it, and SHA256SUMS over the four.
# Building from the tarball keeps edits not yet committed out of every artefact.
# Usage: release.sh OUT_DIR   (KVELT_RELEASE_STAGE names the folder to build in; build-release/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$1
version=$("$root/tools/version.sh")
stage=${KVELT_RELEASE_STAGE:-$root/build-release}
source_dir=$stage/kvelt-$version
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)

if [[ -n "$(git -C "$root" status --porcelain --untracked-files=no)" ]]; then
  echo "release.sh: the working tree has changes that are not committed; the release is" \
    "built from HEAD without them." >&2
fi
rm -rf "$stage" "$out"
mkdir -p "$stage" "$out"

tarball=kvelt-$version.tar.gz
deb=kvelt_${version}_$(dpkg --print-architecture).deb
windows_zip=kvelt-$version-windows.zip
web_zip=kvelt-$version-web.zip
"$root/tools/make-tarball.sh" "$out/$tarball"
tar -C "$stage" -xzf "$out/$tarball"

make -C "$source_dir" deb windows web
cp "$source_dir/dist/$deb" "$source_dir/dist/$windows_zip" "$out/"
"$source_dir/tools/pack-web.sh" "$source_dir/dist/web" "$out/$web_zip"

(cd "$out" && sha256sum "$tarball" "$deb" "$windows_zip" "$web_zip" >SHA256SUMS &&
  sha256sum --quiet -c SHA256SUMS)
echo "Release $version in $out:"
ls -l "$out"
