#!/usr/bin/env bash
# A human "ABC" plays a whole game badly on purpose, by keys alone: every turn stops after the
# first throw and writes the first free row. "&Granskning", greyed until then, shows the review
# in a box of its own, tall enough for its three costliest decisions; "statistik" holds the game
# with its 30 weighed decisions and their loss; "S&tatistik" shows the file.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup review "$@"

write_state 1 0 1 1 1 0 0
start_game
keys "$ROOT" alt+h t # before any game: a one-line box
BOX=$(wait_window Statistik) || fail "no statistics box before a game"
eval "$(xwininfo -id "$BOX" | sed -n 's/.*Height: *\([0-9]*\)/H0=\1/p')"
keys "$BOX" Return
wait_gone Statistik || fail "the statistics box stayed"

keys "$ROOT" alt+f n
DIALOG=$(wait_untitled) || fail "no player dialog"
keys "$DIALOG" A B C Return Tab space
for turn in $(seq 15); do
    DICE=$(wait_window "Spelare: ABC   Kvar: 2" 30) || fail "no dice window in turn $turn"
    keys "$DICE" alt+k k Return # "&Klar" at once
    wait_gone "Spelare: ABC   Kvar: 2" || fail "Klar left the dice window in turn $turn"
    keys "$ROOT" Down Return
done
until_true 30 '[ -s statistik ]' || fail "no statistics after the game"
read -r name games total best _ _ human decisions loss < <(tr -d '\r' <statistik | sed -n 3p)
[ "$name $games $human $decisions" = "ABC 1 1 30" ] || fail "statistik: $(cat statistik)"
[ "$total" = "$(read_top_ten h_score | sed -n 's/^ABC //p')" ] && [ "$best" = "$total" ] ||
    fail "statistik's total $total is not the list's"
[ "$loss" -gt 10000 ] || fail "stopping at the first throw cost only $loss/1000"

keys "$ROOT" alt+h g
BOX=$(wait_window Granskning) || fail "no review box after the game"
eval "$(xwininfo -id "$BOX" | sed -n 's/.*Height: *\([0-9]*\)/H1=\1/p')"
shot review
# The name, the sum and three decisions: four lines more than the one-line box.
[ $((H1 - H0)) -ge $((4 * 17)) ] || fail "the review box is $H1 high, the empty one $H0"
keys "$BOX" Return
wait_gone Granskning || fail "the review box stayed"
keys "$ROOT" alt+h t
BOX=$(wait_window Statistik) || fail "no statistics box"
shot statistics
keys "$BOX" Return
wait_gone Statistik || fail "the statistics box stayed"
keys "$ROOT" alt+f a
wait_exit 20
[ "$RC" = 0 ] || fail "exit $RC"
echo "review: ok"
