#!/usr/bin/env bash
# Runs the benchmark programs under Wine; each prints its own side-by-side ratios.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
BUILD_DIR=$(cd "${1:-$here/../build}" && pwd); shift || true
. "$here/wine-env.sh"
. "$here/own-display.sh"

# The window's run beside sealwick-cli and Debian's own qpdf command, over the same two sets:
# the program makes the sets, runs the window and the console and prints every figure; the
# native loop is timed here (a process per file, as a script would do it), in the same rounds.
# BENCH_ROUNDS (default 3) rounds; BENCH_SETS (default "generated small") the sets.
window_run_bench() {
  local set="$BUILD_DIR/bench-set" rounds=${BENCH_ROUNDS:-3} sets=${BENCH_SETS:-generated small}
  command -v qpdf >/dev/null || { echo "bench: the qpdf command is missing (scripts/install-packages.sh)" >&2; return 1; }
  rm -rf "$set" && mkdir -p "$set"
  local winset="Z:${set//\//\\}"
  wine "$1" --make "$winset" $sets
  echo "load before: $(uptime)"
  local r s start end f
  for r in $(seq "$rounds"); do
    for s in $sets; do
      rm -rf "$set/$s/native" && mkdir -p "$set/$s/native"
      start=$(date +%s.%N)
      for f in "$set/$s"/in/*.pdf; do
        qpdf --encrypt open owner 256 --print=none --modify=none --extract=n -- \
          "$f" "$set/$s/native/${f##*/}" >/dev/null 2>&1 || true
      done
      end=$(date +%s.%N)
      echo "$s $r native $(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')" >>"$set/times.txt"
      wine "$1" --round "$winset" "$r" "$s"
    done
  done
  echo "load after: $(uptime)"
  wine "$1" --report "$winset"
  cp "$set/times.txt" "$BUILD_DIR/window_run_times.txt" # every round's figures, for a closer look
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
