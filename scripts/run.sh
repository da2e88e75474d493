#!/usr/bin/env bash
# Starts the built Sealwick under Wine on the current X display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
BUILD_DIR=$(cd "${1:-$here/../build}" && pwd); shift || true
if [ -z "${DISPLAY:-}" ]; then
  echo "make run: no X display (DISPLAY is not set); run it from a desktop session or under xvfb-run -a." >&2
  exit 1
fi
. "$here/wine-env.sh"
wine_prefix_ready
exec wine "$BUILD_DIR/sealwick.exe" "$@"
