#!/usr/bin/env bash
# measure.sh [BUILD_WEB]: the page's figures in headless Chromium (first frame, download size,
# idle CPU, robot pauses, the longest task of a two-robot expert game). Prints a small report;
# never part of the tests.
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-build-web}")
[ -e "$build/dyxel.js" ] || { echo "measure.sh: $build/dyxel.js is not built (make web)" >&2; exit 1; }
node "$here/bench.js" "$build" || exit
exec node "$here/longtask.js" "$build"
