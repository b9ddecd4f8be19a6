#!/bin/sh
# Builds the shipped narration catalogue data/scripts.tex from its UTF-8 source.
#
# The game reads scripts.tex in the Windows ANSI code page, one message per line,
# lines ended by CR LF. We edit data/scripts.utf8.txt (UTF-8, LF, line N is
# message N) and regenerate the shipped file with this script; commit both.
# Needs iconv (glibc or libiconv) and a POSIX shell.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
src=${1:-"$here/data/scripts.utf8.txt"}
out=${2:-"$here/data/scripts.tex"}

# A CR left in the source would split a message in two for the game and shift
# every later number by one, so refuse it instead of shipping it.
if tr -d '\n' <"$src" | grep -q "$(printf '\r')"; then
    echo "make_catalogue: $src contains a CR; save it with LF line ends" >&2
    exit 1
fi

tmp="$out.tmp.$$"
trap 'rm -f "$tmp"' EXIT
# iconv fails on any character that Windows-1250 cannot hold, which is what we
# want: such a character would be shown as garbage in the game.
iconv -f UTF-8 -t WINDOWS-1250 "$src" | sed 's/$/\r/' >"$tmp"
mv "$tmp" "$out"
trap - EXIT
echo "make_catalogue: wrote $out ($(wc -l <"$out") lines)"
