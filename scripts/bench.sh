#!/usr/bin/env bash
# Runs the benchmark programs under Wine; each prints its own side-by-side ratios.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
BUILD_DIR=$(cd "${1:-$here/../build}" && pwd); shift || true
. "$here/wine-env.sh"
. "$here/own-display.sh"

# The window's run against Debian's own qpdf command over the same set: the program makes
# the set, the native loop is timed here (a process per file, as a script would do it), and
# the program runs the window and the bare loop and prints all three side by side.
window_run_bench() {
  local set="$BUILD_DIR/bench-set"
  command -v qpdf >/dev/null || { echo "bench: the qpdf command is missing (scripts/install-packages.sh)" >&2; return 1; }
  rm -rf "$set" && mkdir -p "$set/native"
  local winset="Z:${set//\//\\}"
  wine "$1" --make "$winset"
  local start end f
  start=$(date +%s.%N)
  for f in "$set"/in/*.pdf; do
    qpdf --encrypt open owner 256 -- "$f" "$set/native/${f##*/}" >/dev/null 2>&1 || true
  done
  end=$(date +%s.%N)
  wine "$1" "$winset" "$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')"
  rm -rf "$set"
}

wine_prefix_ready
# The window benchmark shows the main window.
own_display_start bench
wine_start_server
# BENCH_ONLY=name runs that one benchmark.
for b in "$BUILD_DIR"/bench/*.exe; do
  [ -n "${BENCH_ONLY:-}" ] && [ "$(basename "$b" .exe)" != "$BENCH_ONLY" ] && continue
  echo "== $(basename "$b")"
  if [ "$(basename "$b")" = window_run_bench.exe ]; then
    window_run_bench "$b"
  else
    wine "$b" "$@"
  fi
done
