#!/usr/bin/env bash
# Installs the missing Debian packages of the named groups of tools/debian-packages.txt, with
# sudo when not root. Does nothing when all are there, so `make` stays quick after the first time.
# Usage: install-deps.sh GROUP...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
list=$here/debian-packages.txt
[[ $# -gt 0 ]] || { echo "usage: install-deps.sh GROUP..." >&2; exit 2; }

declare -A wanted=()
for group in "$@"; do
  grep -Eq "^\[$group\]( |$)" "$list" || {
    echo "install-deps.sh: no group [$group] in tools/debian-packages.txt" >&2
    exit 2
  }
  wanted[$group]=1
done

# The missing packages, split by whether their group wants what they recommend.
lean=()
full=()
group=""
with_recommends=""
while read -r line; do
  [[ -z "$line" || "$line" == \#* ]] && continue
  if [[ "$line" =~ ^\[([^]]+)\](.*)$ ]]; then
    group=${BASH_REMATCH[1]}
    with_recommends=""
    [[ "${BASH_REMATCH[2]}" == *"with recommends"* ]] && with_recommends=yes
    continue
  fi
  [[ -n "${wanted[$group]:-}" ]] || continue
  dpkg-query -W -f='${Status}' "$line" 2>/dev/null | grep -q "install ok installed" && continue
  if [[ -n "$with_recommends" ]]; then full+=("$line"); else lean+=("$line"); fi
done <"$list"
[[ ${#lean[@]} -eq 0 && ${#full[@]} -eq 0 ]] && exit 0

commands=()
[[ ${#lean[@]} -gt 0 ]] && commands+=("apt-get install -y -q --no-install-recommends ${lean[*]}")
[[ ${#full[@]} -gt 0 ]] && commands+=("apt-get install -y -q ${full[*]}")
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    # Before anything else: the player needs to know the one command to run, as root.
    joined="apt-get update"
    for command in "${commands[@]}"; do joined+=" && $command"; done
    echo "Missing Debian packages; run as root: $joined" >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "Installing: ${lean[*]} ${full[*]}"
$sudo apt-get update -q
for command in "${commands[@]}"; do
  # sudo drops the environment, so the setting travels on the command line.
  $sudo env DEBIAN_FRONTEND=noninteractive $command
done
