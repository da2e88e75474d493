#!/usr/bin/env bash
# Runs the benchmark programs under Wine; each prints its own side-by-side ratios.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
BUILD_DIR=$(cd "${1:-$here/../build}" && pwd); shift || true
. "$here/wine-env.sh"
. "$here/own-display.sh"

wine_prefix_ready
# The window benchmark shows the main window.
own_display_start bench
wine_start_server
for b in "$BUILD_DIR"/bench/*.exe; do
  echo "== $(basename "$b")"
  wine "$b" "$@"
done
