#!/usr/bin/env bash
# Starts the game in the best front end this machine can show.
set -euo pipefail
bin=$1
# Without a graphical display, a terminal still shows the window's layout.
if [ -z "${DISPLAY:-}" ] && [ -t 0 ] && [ -t 1 ] && [ -x "$bin/kvelt-term" ]; then
  exec "$bin/kvelt-term"
fi
exec "$bin/kvelt-cli"
