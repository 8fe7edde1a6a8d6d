#!/usr/bin/env bash
# res_current.sh RESGEN SOURCE_DIR: the committed pictures, sounds and texts are what the
# generator makes from its sources today; a text source changed without `ninja resgen` fails.
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$2/res" "$work/res"
"$1" "$work/res" >/dev/null || { echo "FAIL: $1 failed"; exit 1; }
stale=$(diff -rq "$2/res" "$work/res")
[ -z "$stale" ] || { echo "FAIL: run ninja resgen; out of date: $stale"; exit 1; }
echo "resources: current"
