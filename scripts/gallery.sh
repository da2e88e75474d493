#!/usr/bin/env bash
# Runs the gallery programs under Wine on an own display: each shows windows in their states
# and writes a picture of each; the pictures end up as PNG files in <build>/gallery/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
BUILD_DIR=$(cd "${1:-$here/../build}" && pwd); shift || true
. "$here/wine-env.sh"
. "$here/own-display.sh"

shopt -s nullglob
programs=("$BUILD_DIR"/gallery-build/*_gallery.exe)
if [ ${#programs[@]} -eq 0 ]; then
  echo "gallery: no gallery programs in $BUILD_DIR/gallery-build (build with SEALWICK_TESTS on)" >&2
  exit 1
fi

# The programs are given their folder as a Windows path in the ANSI code page, which cannot
# hold every letter of a Unix path: they write into a staging folder with a plain name, and
# the pictures move from there into the build folder, whatever its name.
staging=$(mktemp -d "${TMPDIR:-/tmp}/sealwick-gallery.XXXXXX")
if LC_ALL=C grep -q '[^ -~]' <<<"$staging"; then
  rm -rf "$staging"
  echo "gallery: the temporary folder $staging has letters outside ASCII, which the Windows programs cannot be given; set TMPDIR to a folder with a plain name" >&2
  exit 1
fi

out="$BUILD_DIR/gallery"
rm -rf "$out"
mkdir -p "$out"
wine_prefix_ready
own_display_start gallery
trap 'wine_set_log_pixels 96; own_display_stop; rm -rf "$staging"' EXIT
wine_start_server
failed=0
run_program() { # program folder
  # Wine's drive Z: is the Unix root.
  if ! wine "$1" "Z:${2//\//\\}" </dev/null; then
    echo "gallery: $(basename "$1") failed" >&2
    failed=1
  fi
}
for program in "${programs[@]}"; do
  run_program "$program" "$staging"
done
python3 "$here/bmp_to_png.py" "$staging" "$out"

# The main window and the settings dialog again at 150 % and 200 %: Wine takes the scale for
# every program it starts from then on, so it goes back to 100 % at the end.
for dpi in 144 192; do
  percent=$((dpi * 100 / 96))
  mkdir -p "$staging/$percent" "$out/$percent"
  wine_set_log_pixels "$dpi"
  for name in main_window_gallery dialogs_gallery; do
    run_program "$BUILD_DIR/gallery-build/$name.exe" "$staging/$percent"
  done
  python3 "$here/bmp_to_png.py" "$staging/$percent" "$out/$percent"
  for picture in "$out/$percent"/*.png; do
    base=$(basename "$picture" .png)
    mv "$picture" "$out/${base}_$percent.png"
  done
  rmdir "$out/$percent"
done
wine_set_log_pixels 96
echo "gallery: $(ls "$out" | wc -l) pictures in $out"
exit "$failed"
