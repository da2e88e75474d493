#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail

packages=(
  make cmake gcc g++ dpkg-dev xz-utils tcl python3 clang-format
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-tools libz-mingw-w64-dev googletest
  wine wine64 xvfb xauth
  fonts-wqy-microhei
  qpdf
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f '${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-packages: installing ${missing[*]}" >&2
run() { if [ "$(id -u)" = 0 ]; then "$@"; elif command -v sudo >/dev/null; then sudo "$@"; else
  echo "install-packages: need root to install: ${missing[*]}" >&2; exit 1; fi; }
export DEBIAN_FRONTEND=noninteractive
run apt-get update -qq
run apt-get install -y -qq "${missing[@]}" >&2
