#!/bin/sh
# Prints the time the packages are dated to, in seconds since 1970: SOURCE_DATE_EPOCH when set,
# else the time of the commit checked out, else that of the newest Debian changelog entry (an
# unpacked source tarball has no git history).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  echo "$SOURCE_DATE_EPOCH"
elif git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
  git -C "$root" log -1 --format=%ct
else
  dpkg-parsechangelog -l "$root/debian/changelog" -S Timestamp
fi
