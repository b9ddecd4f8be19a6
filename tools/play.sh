#!/usr/bin/env bash
# Starts the game in the best front end this machine can show.
set -euo pipefail
bin=$1
exec "$bin/kvelt-cli"
