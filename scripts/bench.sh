#!/usr/bin/env bash
# Runs the benchmark programs under Wine; each prints its own side-by-side ratios.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
BUILD_DIR=$(cd "${1:-$here/../build}" && pwd); shift || true
. "$here/wine-env.sh"
xvfb_pid=
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
wine_prefix_ready

# The window benchmark shows the main window: an own display, never the user's screen.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 display_no <&3 || { echo "bench: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display_no"

wine_start_server
for b in "$BUILD_DIR"/bench/*.exe; do
  echo "== $(basename "$b")"
  wine "$b" "$@"
done
