#!/usr/bin/env bash
# Robots, with the clock frozen at the simulator's second: a whole game of one robot, watched,
# leaves the simulator's list; the list is read anew when a window uncovers it; "&Nytt spel",
# "Ja", "Klar" with nobody leaves an empty sheet on the screen; and closing the window while two
# robots play lets them finish unseen, so that both results reach the list.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup robots "$@"
SIM=$(dirname "$GAME")/dyxel-sim
GAME_ENV="LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 TZ=UTC DONT_FAKE_MONOTONIC=1"
GAME_ENV+=" FAKETIME=2023-11-14_22:13:20 FAKETIME_FMT=%Y-%m-%d_%T"
simulated() { # simulated ROBOTS: the list the simulator leaves for that second
    mkdir -p "sim$1" && (cd "sim$1" && "$SIM" --robots "$1" --time 1700000000 --top-ten >/dev/null)
    echo "sim$1/h_score"
}
# players NAME...: "&Nytt spel" with these players (-NAME a robot), then "Klar".
players() {
    local name
    keys "$ROOT" alt+f n
    until_true 20 'untitled >/dev/null' || fail "no player dialog"
    DIALOG=$(untitled)
    for name in "$@"; do
        keys "$DIALOG" $(echo "${name#-}" | sed 's/./& /g')
        # Tab from the field: "Klar", the list, "Lägg till", "Robot".
        [ "${name:0:1}" = - ] && keys "$DIALOG" Tab Tab Tab Tab space shift+Tab space ||
            keys "$DIALOG" Return
    done
    keys "$DIALOG" Tab space
}
panel_lines() { # the lines of results that the top-ten panel shows
    local i n=0
    import -window root -crop "76x200+$((CX + 328))+$((CY + 17))" +repage "$WORK/panel.png"
    for i in 0 1 2 3 4 5 6 7 8 9; do
        [ "$(count_dark "$WORK/panel.png" 0 $((20 * i)) 76 17)" -gt 20 ] && n=$((n + 1))
    done
    echo "$n"
}

write_state 1 0 1 1 1 0 0 # short robot pauses
# Bytes another program left after the options turn nothing on: the robot plays as always.
printf 'tail kept!!!' >>state
start_game
players -R1
until_true 90 '[ -s h_score ]' || fail "the game did not end"
cmp -s h_score "$(simulated 1)" || fail "h_score is not the simulator's: $(hex h_score)"
until_true 10 '[ "$(panel_lines)" = 1 ]' || fail "the panel shows $(panel_lines) lines"
client_shot end
for row in 0 1 2 3 4 5 8 9 10 11 12 13 14 15 16 17; do
    read -r x y w h <<<"$(cell_box 0 "$row")"
    [ "$(count_dark "$SHOTS/robots-end.png" "$x" "$y" "$w" "$h")" -gt 0 ] || fail "row $row empty"
done
# The strip under the sheet shows the last throw, each die its 64-pixel face stretched to 57
# whole pixels as the game stretches (source pixel: floor(i * 64 / 57)), and nothing else.
for f in 1 2 3 4 5 6; do
    convert -size 57x57 xc: "$E2E_ROOT/res/pic/free$f.bmp" -fx 'v.p{floor(i*64/w),floor(j*64/h)}' \
        "$WORK/face$f.png"
done
strip=""
for i in 0 1 2 3 4; do # the strip starts half a column and a margin in, 19 rows and 2 margins down
    face=none
    for f in 1 2 3 4 5 6; do
        [ "$(region_differs "$SHOTS/robots-end.png" $((22 + 57 * i)) 384 "$WORK/face$f.png")" = 0 ] &&
            face=$f
    done
    strip+="$face "
done
[ "$strip" = "1 2 3 4 6 " ] || fail "the dice strip shows $strip"

# Another program changes the list; a box over the panel uncovers it on closing.
cp "$(simulated 2)" h_score
keys "$ROOT" alt+h o # "&Om dyxel"
BOX=$(wait_window "Om programmet") || fail "no about box"
keys "$BOX" Return
wait_gone "Om programmet" || fail "the about box stayed"
until_true 10 '[ "$(panel_lines)" = 2 ]' || fail "the uncovered panel shows $(panel_lines) lines"

# A human's game given up for a new one with nobody: the sheet empties on the screen.
players AB
DICE=$(wait_window "Spelare: AB   Kvar: 2") || fail "no dice window"
keys "$DICE" alt+k k Return
keys "$ROOT" Down Return
until_true 20 'window_id "Spelare: AB   Kvar: 2" >/dev/null' || fail "no second turn"
keys "$ROOT" alt+f n
BOX=$(wait_window Varning) || fail "no warning"
keys "$BOX" alt+j
until_true 20 'untitled >/dev/null' || fail "no player dialog"
keys "$(untitled)" Tab space # "Klar" with nobody
until_true 10 '! untitled >/dev/null' || fail "the dialog stayed"
empty_sheet() { # no name in the header, no value in "1:or"
    import -window root -crop "${CW}x$CH+$CX+$CY" +repage "$WORK/sheet.png" &&
        [ "$(count_dark "$WORK/sheet.png" 104 4 32 14)" = 0 ] &&
        [ "$(count_dark "$WORK/sheet.png" $(cell_box 0 0))" = 0 ]
}
until_true 10 empty_sheet || fail "the old name and score stay on the sheet"
client_shot emptied

rm h_score
players -R1 -R2
until_true 10 '! untitled >/dev/null' || fail "the dialog stayed"
keys "$ROOT" alt+F4 # openbox closes the window
wait_exit 60
[ "$RC" = 0 ] || fail "exit $RC after closing during the robots"
cmp -s h_score "$(simulated 2)" || fail "the unseen end left $(read_top_ten h_score)"
echo "robots: ok"
