#!/usr/bin/env bash
# instances.sh SIMULATOR: the top-ten file shared between instances and through crashes. Two
# simulators finishing games in one directory at the same time keep the ten best of all their
# results; a simulator killed at any moment leaves no list or a whole one, never a short one.
set -u
. "$(dirname "$0")/../e2e/lib.sh"
sim=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
for round in 1 2 3; do
    rm -f h_score
    "$sim" --games 200 --time $((1700000000 + 1000 * round)) --top-ten --trace >a &
    "$sim" --games 200 --time $((1800000000 + 1000 * round)) --top-ten --trace >b
    wait
    best=$(sed -n 's/^end .*totals=//p' a b | sort -rn | head -n 10 | tr '\n' ' ')
    kept=$(read_top_ten h_score | cut -d' ' -f2 | tr '\n' ' ')
    [ "$kept" = "$best" ] || { echo "FAIL: round $round kept $kept, the best were $best"; exit 1; }
done
short=0
exec 2>/dev/null # the shell's word on each killed run
for i in $(seq 150); do
    rm -f h_score h_score.tmp
    "$sim" --robots 5 --games 100000 --top-ten >/dev/null &
    sleep "0.00$((i % 6 + 1))"
    kill -9 $! 2>/dev/null
    wait 2>/dev/null
    [ ! -e h_score ] || [ "$(stat -c %s h_score)" -ge 80 ] || short=$((short + 1))
done
[ "$short" = 0 ] || { echo "FAIL: $short of 150 killed runs left a short list"; exit 1; }
echo "instances: ok"
