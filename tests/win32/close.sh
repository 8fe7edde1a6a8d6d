#!/usr/bin/env bash
# close.sh PREFIX_FILE DYXEL_EXE SHOTS: the close box during a robots-only game, while a robot
# pauses, ends the Windows game at once and normally: the robots finish unseen, both results
# reach the list, the options are written as they were (a longer file keeps its tail), exit 0.
set -u
. "$(dirname "$0")/lib.sh"
wine_setup win32-close "$1" "$2" "$3"

write_state 1 0 1 1 1 1 1 # long robot pauses and sorted throws: both must survive
printf 'tail kept!!!' >>state # and so must the bytes past the options
start_root
keys "$ROOT" alt+f n
dialog=$(wait_untitled 20) || fail "no player dialog"
keys "$dialog"
new_players -r R1 -r R2
wait_sheet
# The first robot's dice in the strip below the sheet: the game is under way.
read -r x y _ _ <<<"$(cell_box 0 17)"
thrown() { window_shot "$ROOT" "$WORK/strip.png" &&
    [ "$(convert "$WORK/strip.png" -crop "40x40+$((x - 80))+$((y + 3 * WIN_H))" +repage \
        -fx 'p.r>0.8&&p.g>0.8' -format '%[fx:int(w*h*mean)]' info:)" -gt 200 ]; }
until_true 30 thrown || fail "no dice in the strip"
keys "$ROOT" alt+F4 # the window manager's close
start=$SECONDS
wait_exit 30
[ "$RC" = 0 ] || fail "exit code $RC after the close box"
echo "closed within $((SECONDS - start)) s"
[ "$(hex state)" = "01000000000000000100000001000000010000000100000001000000$(printf 'tail kept!!!' | od -An -tx1 | tr -d ' \n')" ] ||
    fail "state holds $(hex state)"
[ "$(read_top_ten h_score | grep -c '^R[12] [1-9]')" = 2 ] ||
    fail "the robots' results did not reach the list: $(read_top_ten h_score)"
echo "close: ok"
