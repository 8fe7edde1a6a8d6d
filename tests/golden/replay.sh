#!/usr/bin/env bash
# replay.sh SIMULATOR...: runs every golden case of cases.txt with the given simulator command
# (the Linux binary, or the Windows or browser build through wine or node) in an empty
# directory and compares what it leaves with the stored file, byte for byte. "< FILE" at the end
# of a case's arguments feeds it that stored file on standard input.
set -u
here=$(cd "$(dirname "$0")" && pwd)
[ -e "$1" ] && set -- "$(realpath "$1")" "${@:2}"
failed=0 ran=0
while read -r file args; do
    case $file in '' | '#'*) continue ;; esac
    work=$(mktemp -d)
    input=/dev/null
    case $args in *'< '*) input=$here/${args##*< } args=${args%%<*} ;; esac
    # shellcheck disable=SC2086
    (cd "$work" && "$@" $args <"$input" >out 2>err) || { echo "FAIL $file: exit $?, $(head -c 300 "$work/err")"; }
    case $file in
    *.summary) grep -v '^speed:' "$work/out" >"$work/got" ;;
    *.h_score) cp "$work/h_score" "$work/got" 2>/dev/null ;;
    *) tr -d '\r' <"$work/out" >"$work/got" ;;
    esac
    ran=$((ran + 1))
    if ! cmp -s "$work/got" "$here/$file"; then
        echo "FAIL $file differs from the stored run: $(cmp "$here/$file" "$work/got" 2>&1 | head -n 1)"
        failed=$((failed + 1))
    fi
    rm -rf "$work"
done <"$here/cases.txt"
echo "golden runs: $((ran - failed)) passed, $failed failed"
[ "$failed" = 0 ] && [ "$ran" -gt 0 ]
