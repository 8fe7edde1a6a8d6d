#!/usr/bin/env bash
# Two robots from "&Nytt spel" to the end: the sheets fill, the top-ten panel shows both
# totals, and "h_score" holds them.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup robots "$@"

write_state 1 0 1 1 1 0 0 # short robot pauses
start_root
shot start
top=$(canvas_top "$SHOTS/robots-start.png") || fail "no client area"
new_game -r R1 -r R2

# The whole game plays inside the first robot's turn; the file is written at its end.
end=$((SECONDS + 150))
while [ "$SECONDS" -le "$end" ]; do
    [ -e h_score ] && [ "$(read_top_ten h_score | awk '$2 > 0' | wc -l)" -ge 2 ] && break
    sleep 1
done
sleep 0.5
shot end
entries=$(read_top_ten h_score 2>/dev/null | awk '$2 > 0')
[ "$(echo "$entries" | grep -c .)" = 2 ] || fail "h_score holds: $entries"
echo "$entries" | grep -q '^R1 ' || fail "no R1 in h_score: $entries"
echo "$entries" | grep -q '^R2 ' || fail "no R2 in h_score: $entries"

png="$SHOTS/robots-end.png"
for column in 0 1; do
    for row in 0 1 2 3 4 5 8 9 10 11 12 13 14 15 16 17; do
        read -r x y w h <<<"$(cell_box $column $row)"
        [ "$(count_dark "$png" "$x" $((y + top)) "$w" "$h")" -gt 0 ] ||
            fail "empty cell: column $column row $row"
    done
    read -r x y w h <<<"$(cell_box $((column + 2)) 17)"
    [ "$(count_dark "$png" "$x" $((y + top)) "$w" "$h")" = 0 ] || fail "a third column has a total"
done
# The panel: white, framed in black, two lines of results and nothing below them.
read -r r g b <<<"$(pixel "$png" 322 $((top + 100)))"
[ "$r$g$b" = 000 ] || fail "no frame at the top-ten panel's left edge: $r $g $b"
read -r r g b <<<"$(pixel "$png" 404 $((top + 200)))"
[ "$r$g$b" = 255255255 ] || fail "the top-ten panel is not white: $r $g $b"
for i in 0 1; do
    [ "$(count_dark "$png" 328 $((top + 17 + 20 * i)) 76 17)" -gt 20 ] || fail "no result in line $i"
done
[ "$(count_dark "$png" 328 $((top + 57)) 76 160)" = 0 ] || fail "more than two results shown"

keys "$ROOT" alt+f a
wait_exit 10
[ "$RC" = 0 ] || fail "exit code $RC"
echo "robots: ok ($entries)"
