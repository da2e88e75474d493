#!/usr/bin/env bash
# Runs every test program through Wine: one private prefix, one wineserver kept alive for
# the whole run, and an own Xvfb display for the window tests.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
BUILD_DIR=$(cd "${1:-$here/../build}" && pwd); shift || true
. "$here/wine-env.sh"
. "$here/own-display.sh"

wine_prefix_ready
own_display_start test
wine_start_server
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)" "$@"
