#!/usr/bin/env bash
# Starts the game in the best front end this machine can show.
set -euo pipefail
bin=$1
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && -x "$bin/kvelt" ]]; then
  exec "$bin/kvelt"
fi
if [[ -t 0 && -x "$bin/kvelt-term" ]]; then
  exec "$bin/kvelt-term"
fi
exec "$bin/kvelt-cli"
