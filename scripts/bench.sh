#!/usr/bin/env bash
# Runs every benchmark against a built tree and prints the figures. Never part of the tests.
set -eu
build=${1:-build}
for b in "$build"/bench/*/bench_*; do
  [ -x "$b" ] && "$b"
done
if [ -x bench/startup/measure.sh ]; then
  bench/startup/measure.sh "$build"
fi
if [ -x bench/web/measure.sh ] && [ -e "${WEB_BUILD:-build-web}/dyxel.js" ]; then
  bench/web/measure.sh "${WEB_BUILD:-build-web}"
fi
# The Windows game under wine, when make windows has built it.
if [ -x bench/win32/measure.sh ] && [ -f "${WINDOWS_BUILD:-build-windows}/dyxel.exe" ]; then
  bench/win32/measure.sh "$build" "${WINDOWS_BUILD:-build-windows}"
fi
