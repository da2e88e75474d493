#!/usr/bin/env bash
# Runs the gallery programs under Wine on an own display: each shows windows in their states
# and writes a picture of each; the pictures end up as PNG files in <build>/gallery/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
BUILD_DIR=$(cd "${1:-$here/../build}" && pwd); shift || true
. "$here/wine-env.sh"
. "$here/own-display.sh"

out="$BUILD_DIR/gallery"
rm -rf "$out"
mkdir -p "$out"
wine_prefix_ready
own_display_start gallery
wine_start_server
failed=0
for program in "$BUILD_DIR"/gallery-build/*_gallery.exe; do
  # The programs see the folder as a Windows path on Wine's drive for the Unix root.
  if ! wine "$program" "Z:${out//\//\\}" </dev/null; then
    echo "gallery: $(basename "$program") failed" >&2
    failed=1
  fi
done
python3 "$here/bmp_to_png.py" "$out"
echo "gallery: $(ls "$out" | wc -l) pictures in $out"
exit "$failed"
