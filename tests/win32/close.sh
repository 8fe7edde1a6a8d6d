#!/usr/bin/env bash
# close.sh PREFIX_FILE DYXEL_EXE SHOTS XCLOSE: the close box during a robots' game, while a
# robot pauses, ends the Windows game at once and normally: exit code 0, the options written
# as they were (a longer file keeps its tail), no partial result in the top-ten list.
set -u
. "$(dirname "$0")/lib.sh"
closer=$(realpath "$4")
wine_setup win32-close "$1" "$2" "$3"

write_state 1 0 1 1 1 1 1 # long robot pauses and sorted throws: both must survive
printf 'tail kept!!!' >>state # and so must the bytes past the options
start_root
keys "$ROOT" alt+f n
dialog=$(wait_untitled 20) || fail "no player dialog"
keys "$dialog"
new_players -r R1 -r R2
wait_sheet
sleep 4 # a couple of robot throws, well inside the game
"$closer" "$ROOT" || fail "cannot send the close request"
start=$SECONDS
wait_exit 15
[ "$RC" = 0 ] || fail "exit code $RC after the close box"
echo "closed within $((SECONDS - start)) s"
[ "$(hex state)" = "01000000000000000100000001000000010000000100000001000000$(printf 'tail kept!!!' | od -An -tx1 | tr -d ' \n')" ] ||
    fail "state holds $(hex state)"
[ -e h_score ] && fail "h_score written: $(read_top_ten h_score | head -3)"
echo "close: ok"
