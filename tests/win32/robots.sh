#!/usr/bin/env bash
# robots.sh PREFIX_FILE DYXEL_EXE SHOTS: two robots play a whole game in the Windows game under
# wine: both sheets fill, the top-ten panel shows the two totals, and "h_score" holds them.
set -u
. "$(dirname "$0")/lib.sh"
wine_setup win32 "$1" "$2" "$3"

write_state 1 0 1 1 1 0 0 # short robot pauses
start_root
until_true 20 'window_shot $ROOT $WORK/start.png && menu=$(menu_height $WORK/start.png)' ||
    fail "no client area below the menu bar"
keys "$ROOT" alt+f n
dialog=$(wait_untitled 20) || fail "no player dialog"
keys "$dialog"
new_players -r R1 -r R2
wait_sheet

# The whole game plays inside the first robot's turn: about a minute of pauses.
end=$((SECONDS + 180))
until [ -e h_score ] && [ "$(read_top_ten h_score | awk '$2 > 0' | wc -l)" -ge 2 ]; do
    [ "$SECONDS" -le "$end" ] || fail "no two results in h_score after 180 s"
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended during the robots' game"
    sleep 1
done
# The panel right of the sheet comes up once the results are in: framed in black.
left=$((8 * WIN_W + WIN_AW / 4)) top=$((WIN_TH / 2 + menu))
until_true 20 'window_shot $ROOT $WORK/end.png && [ "$(pixel $WORK/end.png $left $((top + 100)))" = "0 0 0" ]' ||
    fail "no frame at the top-ten panel's left edge"
shot end
entries=$(read_top_ten h_score | awk '$2 > 0')
echo "$entries" | grep -q '^R1 ' || fail "no R1 in h_score: $entries"
echo "$entries" | grep -q '^R2 ' || fail "no R2 in h_score: $entries"
# Replaced whole through a temporary file, locked by a mutex: nothing but the data files is left.
stray=$(ls | grep -v -x -e state -e h_score -e statistik -e stdout -e stderr -e '.*\.png')
[ -z "$stray" ] || fail "files left beside the data files: $stray"

for column in 0 1; do
    for row in 0 1 2 3 4 5 8 9 10 11 12 13 14 15 16 17; do
        read -r x y w h <<<"$(cell_box $column $row)"
        [ "$(count_dark "$WORK/end.png" "$x" $((y + menu)) "$w" "$h")" -gt 0 ] ||
            fail "empty cell: column $column row $row"
    done
done
read -r x y w h <<<"$(cell_box 2 17)"
[ "$(count_dark "$WORK/end.png" "$x" $((y + menu)) "$w" "$h")" = 0 ] ||
    fail "a third column has a total"

# The panel: white, two lines of results and no more.
read -r r g b <<<"$(pixel "$WORK/end.png" $((left + 30)) $((top + 9 * WIN_H)))"
[ "$r$g$b" = 255255255 ] || fail "the top-ten panel is not white: $r $g $b"
x=$((8 * WIN_W + WIN_AW))
for i in 0 1; do
    [ "$(count_dark "$WORK/end.png" "$x" $((WIN_TH + i * WIN_H + menu)) 60 "$WIN_TH")" -gt 20 ] ||
        fail "no result in line $i of the panel"
done
[ "$(count_dark "$WORK/end.png" "$x" $((WIN_TH + 2 * WIN_H + menu)) 60 $((7 * WIN_H)))" = 0 ] ||
    fail "more than two results shown"

keys "$ROOT" alt+f a
wait_exit 30
[ "$RC" = 0 ] || fail "exit code $RC"
echo "robots: ok ($(echo $entries))"
