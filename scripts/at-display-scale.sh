#!/usr/bin/env bash
# at-display-scale.sh DPI PROGRAM [ARGS...]: runs a Windows program in the prefix that the
# caller set up with the display scale at DPI (96 is 100 %), and sets 100 % again after it.
# Wine reads the scale for the whole prefix whenever a program starts: nothing else may start
# a window in that prefix meanwhile.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dpi=$1; shift
: "${WINEPREFIX:?run through scripts/test.sh, which sets up the prefix}"
BUILD_DIR=${BUILD_DIR:-$(dirname "$WINEPREFIX")}
. "$here/wine-env.sh"
trap 'wine_set_log_pixels 96' EXIT
wine_set_log_pixels "$dpi"
SEALWICK_TEST_DPI=$dpi wine "$@"
