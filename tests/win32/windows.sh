#!/usr/bin/env bash
# windows.sh PREFIX_FILE DYXEL_EXE SHOTS: the Windows game under wine opens its root window at
# the size of its font, shows the about box, the help, the new-player dialog and a human turn in
# the dice window (holds, "&Lika", the warning answered No, "&Kasta", a row chosen and scored by
# keys), and "&Avsluta" ends it with exit code 0 and the default options written.
set -u
. "$(dirname "$0")/lib.sh"
wine_setup win32 "$1" "$2" "$3"

start_root
# Painted once the logo stands in the bottom-right corner, copied pixel for pixel.
logo=$(signature "$WIN_ROOT/res/pic/logo.bmp")
until_true 20 'window_shot $ROOT $WORK/root.png && read -r width height <<<"$(identify -format "%w %h" $WORK/root.png)" &&
    [ "$(signature $WORK/root.png 120x88+$((width - 120))+$((height - 88)))" = "$logo" ]' ||
    fail "no logo in the bottom-right corner"
shot start
# The outer width 8W + 120 less the two 4-pixel sizing borders.
[ "$width" = $((8 * WIN_W + 120 - 8)) ] || fail "root window $width wide: not the System font's"
menu=$(menu_height "$WORK/root.png") || fail "no client area below the menu bar"
read -r r g b <<<"$(pixel "$WORK/root.png" 150 $((menu + 150)))"
[ "$g" -gt $((r + 30)) ] || fail "no felt behind the empty sheet: $r $g $b"

keys "$ROOT" alt+h o
about=$(wait_window "Om programmet" 20) || fail "no about box"
keys "$about" Return
wait_gone "Om programmet" 20 || fail "the about box stays"

# F1 opens the game's own help beside the root window; Escape closes it.
keys "$ROOT" F1
help=$(wait_window "Tolvik dyxel * hj*lp" 20) || fail "no help window on F1"
keys "$help" Escape
wait_gone "Tolvik dyxel * hj*lp" 20 || fail "the help window stays after Escape"

keys "$ROOT" alt+f n
dialog=$(wait_untitled 20) || fail "no player dialog"
shot dialog
keys "$dialog"
new_players AB

dice=$(wait_window "Spelare: AB   Kvar: 2" 20) || fail "no dice window for the human turn"
until_true 60 'window_shot $dice $WORK/dice.png && top=$(dice_top $WORK/dice.png)' ||
    fail "no die faces in the dice window"
read -r -a before <<<"$(dice_faces "$WORK/dice.png" 0 "$top")"
[[ "${before[*]}" =~ ^(free[1-6] ){4}free[1-6]$ ]] || fail "the first throw shows ${before[*]}"

# Key 1 holds the first die; "&Lika" then holds every die that shows the same face.
want=$(for f in "${before[@]}"; do [ "$f" = "${before[0]}" ] && echo "held${f#free}" || echo "$f"; done | paste -sd' ')
keys "$dice" 1 alt+l
until_true 10 'window_shot $dice $WORK/held.png && [ "$(dice_faces $WORK/held.png 0 $top)" = "$want" ]' ||
    fail "after 1 and Lika the dice show $(dice_faces "$WORK/held.png" 0 "$top"), not $want"
shot human
read -r -a held <<<"$want"

# "&Nytt spel" during the game asks first (Ja / Nej); No leaves the game as it was.
keys "$ROOT" alt+f n
warning=$(wait_window "Varning" 20) || fail "no warning before abandoning the game"
shot warning
keys "$warning" alt+n
wait_gone "Varning" 20 || fail "the warning stays after Nej"
wait_window "Spelare: AB   Kvar: 2" 20 >/dev/null || fail "the game is gone after Nej"

# Alt+F4 on the dice window ends nothing: the turn goes on below, and the game to its exit.
keys "$dice" alt+F4
# Two throws more: the held dice keep their faces; the last throw ends the throwing.
keys "$dice" alt+k
wait_window "Spelare: AB   Kvar: 1" 20 >/dev/null || fail "Kasta did not count the throw"
window_shot "$dice" "$WORK/thrown.png"
read -r -a thrown <<<"$(dice_faces "$WORK/thrown.png" 0 "$top")"
for i in 0 1 2 3 4; do
    [[ ${held[i]} != held* ]] || [ "${thrown[i]}" = "${held[i]}" ] ||
        fail "held die $i changed from ${held[i]} to ${thrown[i]}"
done
keys "$dice" alt+k
wait_gone "Spelare: AB   Kvar: 1" 20 || fail "the dice window stays after the last throw"

# Down proposes the first free row, Return scores it: the next turn comes up.
keys "$ROOT" Down Return
wait_window "Spelare: AB   Kvar: 2" 20 >/dev/null || fail "no second turn after scoring a row"
window_shot "$ROOT" "$WORK/scored.png"
read -r x y w h <<<"$(cell_box 0 0)"
[ "$(count_dark "$WORK/scored.png" "$x" $((y + menu)) "$w" "$h")" -gt 0 ] ||
    fail "nothing written in the first row"

keys "$ROOT" alt+f a
wait_exit 30
[ "$RC" = 0 ] || fail "exit code $RC after Avsluta"
[ "$(hex state)" = "0100000000000000010000000100000001000000b004000000000000" ] ||
    fail "state holds $(hex state)"
echo "windows: ok"
