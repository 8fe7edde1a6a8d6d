#!/usr/bin/env bash
# review.sh PREFIX_FILE DYXEL_EXE SHOTS: a human "ABC" plays a whole Windows game badly on
# purpose, by keys alone, stopping after each first throw; "&Granskning" then shows the review,
# taller than the one-line box of no game, and "statistik" holds the game's 30 weighed decisions.
set -u
. "$(dirname "$0")/lib.sh"
wine_setup win32-review "$1" "$2" "$3"

write_state 1 0 1 1 1 0 0
start_root
keys "$ROOT" alt+h t # before any game: a one-line box
BOX=$(wait_window Statistik 20) || fail "no statistics box before a game"
keys "$BOX" # measured once it has the focus: wine sizes a box before it shows it
eval "$(xwininfo -id "$BOX" | sed -n 's/.*Height: *\([0-9]*\)/H0=\1/p')"
keys "$BOX" Return
wait_gone Statistik 20 || fail "the statistics box stayed"

keys "$ROOT" alt+f n
dialog=$(wait_untitled 20) || fail "no player dialog"
keys "$dialog"
new_players ABC
for turn in $(seq 15); do
    dice=$(wait_window "Spelare: ABC   Kvar: 2" 30) || fail "no dice window in turn $turn"
    keys "$dice" F10 Left Left Return # the bar's last command but one: "&Klar"
    wait_gone "Spelare: ABC   Kvar: 2" 20 || fail "Klar left the dice window in turn $turn"
    keys "$ROOT" Down Return
done
until_true 30 '[ -s statistik ]' || fail "no statistics after the game"
read -r name games total _ _ _ human decisions loss < <(tr -d '\r' <statistik | sed -n 3p)
[ "$name $games $human $decisions" = "ABC 1 1 30" ] || fail "statistik: $(cat statistik)"
[ "$total" = "$(read_top_ten h_score | sed -n 's/^ABC //p')" ] || fail "statistik's total $total is not the list's"
[ "$loss" -gt 10000 ] || fail "stopping at the first throw cost only $loss/1000"

keys "$ROOT" alt+h g
BOX=$(wait_window Granskning 20) || fail "no review box after the game"
keys "$BOX"
eval "$(xwininfo -id "$BOX" | sed -n 's/.*Height: *\([0-9]*\)/H1=\1/p')"
shot review
# The name, the sum and three decisions: at least four lines of the box's font (13 rows) more.
[ $((H1 - H0)) -ge $((4 * 12)) ] || fail "the review box is $H1 high, the empty one $H0"
keys "$BOX" Return
wait_gone Granskning 20 || fail "the review box stayed"
keys "$ROOT" alt+f a
wait_exit 30
[ "$RC" = 0 ] || fail "exit code $RC after Avsluta"
echo "review: ok"
