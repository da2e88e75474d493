#!/usr/bin/env bash
# Runs one Windows program under Wine in the build tree's private prefix (ctest's emulator).
here=$(cd "$(dirname "$0")" && pwd)
: "${BUILD_DIR:=$(cd "$here/../build" 2>/dev/null && pwd)}"
. "$here/wine-env.sh"
exec wine "$@"
