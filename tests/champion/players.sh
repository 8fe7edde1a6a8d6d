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
"$sim" --players champion,bogus >/dev/null 2>&1 && { echo "FAIL an unknown kind was taken"; failed=1; }
exit $failed
