#!/usr/bin/env bash
# Closing the window in the middle of a robots-only game ends the program at once and
# normally: exit code 0, the options written, no partial result in the top-ten list.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup close_robots "$@"

write_state 1 0 1 1 1 1 1 # long robot pauses, sorted throws: both must survive
start_root
new_game -r R1 -r R2
sleep 4 # a couple of robot turns, well inside the game
shot playing
"$XCLOSE" "$ROOT" || fail "cannot send the close request"
start=$SECONDS
wait_exit 5
[ "$RC" = 0 ] || fail "exit code $RC after the close box"
echo "closed within $((SECONDS - start)) s"
[ "$(hex state)" = "01000000000000000100000001000000010000000100000001000000" ] ||
    fail "state holds $(hex state)"
[ -e h_score ] && fail "h_score written: $(read_top_ten h_score | head -3)"
echo "close_robots: ok"
