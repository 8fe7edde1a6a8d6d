#!/usr/bin/env bash
# review.sh SIMULATOR: dyxel-sim --review over fresh traces (a stored one is a golden case). The
# expert loses nothing; the heuristic robot's losses add up, game by game, to what it scores less
# than the expert's expectation, so loss + total averages the empty sheet's value 248.4399894.
set -u
sim=$1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

got=$("$sim" --robots 3 --games 4 --time 1700000900 --expert 1 --trace | "$sim" --review)
[ "$(grep -c ' k=[123] ' <<<"$got")" = 540 ] || fail "expert: not 4 x 3 x 45 decisions"
grep -v 'loss=0.0000' <<<"$got" | grep -q . && fail "expert lost: $(grep -v 'loss=0.0000' <<<"$got" | head -n 1)"

# 4000 games of one heuristic robot: per game loss + total, its mean and standard error.
"$sim" --robots 1 --games 4000 --time 1700001000 --trace >"${TMPDIR:-/tmp}/review.$$"
awk -v E=248.4399894 '
    FNR == NR { if ($1 == "end") { split($3, a, "="); total[++games] = a[2] } next }
    / k=[123] / { split($6, l, "="); if (l[2] < 0) neg++ }
    /decisions=/ { split($4, d, "="); split($5, l, "="); n++; x = l[2] + total[n]; s += x; s2 += x * x
                   loss += l[2]; tot += total[n]; if (d[2] != 45) bad++ }
    END {
        m = s / n; se = sqrt((s2 / n - m * m) / n)
        printf "heuristic: %d games, mean loss %.3f, expert - mean total %.3f, loss + total %.3f +- %.3f\n",
            n, loss / n, E - tot / n, m, se
        exit !(n == 4000 && games == 4000 && !neg && !bad && (m - E) ^ 2 < (3 * se) ^ 2 && se < 0.7)
    }' "${TMPDIR:-/tmp}/review.$$" <("$sim" --review <"${TMPDIR:-/tmp}/review.$$") ||
    fail "the heuristic robot's losses do not add up to its shortfall"
rm -f "${TMPDIR:-/tmp}/review.$$"

# Hand-made turns: a straight thrown away, a "Dyxel" written as "Chans", and lines it refuses.
got=$(printf '%s\n' 'throw g=1 t=1 p=0 k=1 dice=12345 held=00000' 'sound g=1 t=1 p=0 id=2402' \
    'throw g=1 t=1 p=0 k=2 dice=66666 held=11111' 'throw g=1 t=1 p=0 k=3 dice=66666 held=00000' \
    'row g=1 t=1 p=0 row=15 cell=30 total=30' 'end g=1 totals=30' | "$sim" --review)
want='review g=1 t=1 p=0 k=1 loss=7.2938 best=12345
review g=1 t=1 p=0 k=2 loss=0.0000 best=66666
review g=1 t=1 p=0 k=3 loss=32.4964 best=16
review g=1 p=0 decisions=3 loss=39.7902'
[ "$got" = "$want" ] || fail "hand-made turns: $(diff <(echo "$want") <(echo "$got"))"
for bad in 'row g=1 t=1 p=0 row=15 cell=30 total=30' 'throw g=1 t=1 p=0 k=1 dice=12375 held=00000' \
    'throw g=1 t=1 p=0 k=1 dice=12345 held=00000
row g=1 t=1 p=0 row=7 cell=15 total=15' 'throw g=1 t=1 p=0 k=1 dice=12345 held=00000
row g=1 t=1 p=0 row=13 cell=15 total=15' 'hello'; do
    err=$("$sim" --review <<<"$bad" 2>&1 >/dev/null) && fail "accepted: $bad"
    grep -q '^dyxel-sim: line [12]: ' <<<"$err" || fail "no clear message for: $bad"
done
[ $failed = 0 ] && echo "review: expert, heuristic and refused lines as expected"
exit $failed
