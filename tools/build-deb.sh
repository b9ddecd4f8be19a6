#!/usr/bin/env bash
# Builds the Debian package with Debian's own tooling (debian/, dpkg-buildpackage) from a copy
# of the source tree, so that nothing is written beside the repository, and puts
# kvelt_VERSION_ARCH.deb into OUT_DIR.
# Usage: build-deb.sh OUT_DIR   (KVELT_DEB_STAGE names the folder for the copy; build-deb/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$1
version=$("$root/tools/version.sh")
changelog_version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
if [[ "$changelog_version" != "$version" ]]; then
  echo "build-deb.sh: debian/changelog is at $changelog_version, CMakeLists.txt at $version;" \
    "add a changelog entry: dch -v $version" >&2
  exit 1
fi

stage=${KVELT_DEB_STAGE:-$root/build-deb}
source_dir=$stage/kvelt-$version
rm -rf "$stage"
mkdir -p "$source_dir" "$out"
tar -C "$root" --exclude-vcs --exclude='./build*' --exclude=./dist --exclude=__pycache__ \
  --exclude='./obj-*' -cf - . | tar -C "$source_dir" -xf -

# No separate debug-symbol package: dist/ holds the game alone.
(cd "$source_dir" &&
  DEB_BUILD_OPTIONS="noddebs parallel=${JOBS:-$(nproc)} ${DEB_BUILD_OPTIONS:-}" \
    dpkg-buildpackage -us -uc -b)

deb=kvelt_${version}_$(dpkg --print-architecture).deb
cp "$stage/$deb" "$out/"
echo "Built $out/$deb"
