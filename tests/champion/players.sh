#!/usr/bin/env bash
# players.sh SIMULATOR: tables of 2 to 5 seats with champions play whole games: every seat writes
# its 15 rows each game, and the wins, a tie shared, add up to the games.
set -u
sim=$1 failed=0
for kinds in champion,expert robot,champion,expert expert,champion,robot,expert,champion; do
    seats=$(($(tr -cd , <<<"$kinds" | wc -c) + 1))
    rows=$("$sim" --players "$kinds" --games 2 --time 1700000900 --alt-dice 0 --trace | grep -c '^row ')
    [ "$rows" = $((2 * 15 * seats)) ] || { echo "FAIL $kinds: $rows rows"; failed=1; }
    wins=$("$sim" --players "$kinds" --games 3 --time 1700000950 --alt-dice 0 | sed -n 's/^wins: //p')
    [ "$(wc -w <<<"$wins")" = "$seats" ] || { echo "FAIL $kinds: wins '$wins'"; failed=1; }
    awk -v w="$wins" 'BEGIN { n = split(w, a, " "); for (i = 1; i <= n; i++) s += a[i]; exit s != 3 }' ||
        { echo "FAIL $kinds: wins '$wins' do not add up to 3 games"; failed=1; }
done
# Alone, the champion plays as the expert; seats of one kind play as the options make them play.
same() { # NAME ARGS-A -- ARGS-B: the two traces are the same, byte for byte
    local name=$1 a=() b=()
    shift
    while [ "$1" != -- ]; do a+=("$1"); shift; done
    shift
    cmp -s <("$sim" "${a[@]}" --time 1700000970 --games 2 --trace) \
        <("$sim" "$@" --time 1700000970 --games 2 --trace) || { echo "FAIL $name"; failed=1; }
}
same "a champion alone" --players champion -- --players expert
same "two experts" --players expert,expert -- --robots 2 --expert 1
same "--players over --robots" --players robot,expert --robots 4 -- --robots 3 --players robot,expert
for bad in champion,bogus "" robot,,robot expert,expert,expert,expert,expert,expert; do
    "$sim" --players "$bad" >/dev/null 2>&1 && { echo "FAIL --players '$bad' was taken"; failed=1; }
done
exit $failed
