#!/usr/bin/env bash
# First run in an empty directory: the window shows the felt and the logo, "&Avsluta" from the
# keyboard ends the program with 0 and writes the default options (28 bytes).
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup startup "$@"

start_root
geometry "$ROOT"
logo="$E2E_ROOT/res/pic/logo.bmp"
# The logo is copied unscaled into the bottom-right corner of the client area.
for _ in $(seq 50); do
    shot window
    [ "$(region_differs "$SHOTS/startup-window.png" $((GX + GW - 120)) $((GY + GH - 88)) "$logo")" = 0 ] && break
    sleep 0.1
done
[ "$(region_differs "$SHOTS/startup-window.png" $((GX + GW - 120)) $((GY + GH - 88)) "$logo")" = 0 ] ||
    fail "the logo is not in the bottom-right corner"
top=$(canvas_top "$SHOTS/startup-window.png") || fail "no client area below the menu bar"
# The felt: green well above red and blue, and not one flat colour.
felt=""
for p in "20 $((top + 20))" "200 $((top + 150))" "$((GW - 30)) $((top + 30))" "30 $((GY + GH - 30))"; do
    read -r r g b <<<"$(pixel "$SHOTS/startup-window.png" $p)"
    [ "$g" -gt $((r + 30)) ] && [ "$g" -gt "$b" ] || fail "not felt at ($p): $r $g $b"
    felt+="$r,$g,$b "
done
[ "$(echo "$felt" | tr ' ' '\n' | sort -u | grep -c .)" -gt 1 ] || fail "the background is one flat colour"
[ -e state ] && fail "state written before the exit"

keys "$ROOT" alt+f
shot menu
keys "$ROOT" a
wait_exit 10
[ "$RC" = 0 ] || fail "exit code $RC after Avsluta"
[ "$(stat -c %s state)" = 28 ] || fail "state is $(stat -c %s state) bytes"
[ "$(hex state)" = "0100000000000000010000000100000001000000b004000000000000" ] ||
    fail "state holds $(hex state)"
[ -e h_score ] && fail "h_score written without a game"

# The start-up sound has opened the audio device; a signal still ends the program.
start_root
sleep 0.5
kill -TERM "$E2E_GAME_PID"
wait_exit 5
[ "$RC" = 143 ] || fail "exit code $RC after SIGTERM"
echo "startup: ok"
