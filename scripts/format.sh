#!/usr/bin/env bash
# Formats every C++ file of the tree with the project's .clang-format, or with --check lists
# the files that differ and fails.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' | while read -r f; do [ -f "$f" ] && echo "$f"; done)
if [ "${1:-}" = --check ]; then
  if ! out=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
    echo "format: these files differ from .clang-format (run 'make format'):" >&2
    grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<<"$out" | cut -d: -f1 | sort -u | sed 's/^/  /' >&2
    exit 1
  fi
  echo "format: ${#files[@]} files match .clang-format"
else
  clang-format -i "${files[@]}"
fi
