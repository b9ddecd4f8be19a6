#!/usr/bin/env bash
# Installs the missing Debian packages of the named groups of tools/debian-packages.txt, with
# sudo when not root. Does nothing when all are there, so `make` stays quick after the first time.
# Usage: install-deps.sh GROUP...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[[ $# -gt 0 ]] || { echo "usage: install-deps.sh GROUP..." >&2; exit 2; }

declare -A wanted=()
for group in "$@"; do
  grep -qx "\[$group\]" "$here/debian-packages.txt" || {
    echo "install-deps.sh: no group [$group] in tools/debian-packages.txt" >&2
    exit 2
  }
  wanted[$group]=1
done

missing=()
group=""
while read -r line; do
  [[ -z "$line" || "$line" == \#* ]] && continue
  if [[ "$line" =~ ^\[(.+)\]$ ]]; then
    group=${BASH_REMATCH[1]}
    continue
  fi
  [[ -n "${wanted[$group]:-}" ]] || continue
  if ! dpkg-query -W -f='${Status}' "$line" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$line")
  fi
done <"$here/debian-packages.txt"
[[ ${#missing[@]} -eq 0 ]] && exit 0

command="apt-get install -y -q ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    # Before anything else: the player needs to know the one command to run, as root.
    echo "Missing Debian packages; run as root: apt-get update && $command" >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
# sudo drops the environment, so the setting travels on the command line.
$sudo env DEBIAN_FRONTEND=noninteractive $command
