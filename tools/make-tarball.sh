#!/usr/bin/env bash
# Writes the source tarball of the commit checked out, kvelt-VERSION.tar.gz: the committed
# files only, in a folder kvelt-VERSION, dated to the commit, owned by root, gzip without a
# name or time, so that one commit always gives the same bytes.
# Usage: make-tarball.sh TARBALL
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tarball=$1
version=$("$root/tools/version.sh")
mkdir -p "$(dirname "$tarball")"
git -C "$root" -c tar.umask=0022 archive --format=tar --prefix="kvelt-$version/" HEAD | gzip -n -9 >"$tarball"
