#!/usr/bin/env bash
# Start-up and the ways out: the first frame, arguments without effect, the settings menu, a
# signal after a toggle (the options are saved as at a normal exit), "&Avsluta", and a display
# that goes away (the options are saved, exit 1); then each window once without a window manager.
# No run may leave anything but the game's own lines on stderr.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup startup "$@"
menus() { xdotool search --onlyvisible --name '^dyxel$' 2>/dev/null | grep -c .; }
sorted() { od -An -v -tu4 -j24 -N4 state | tr -d ' '; }

start_game --display=:99 --sync junk
shot window
[ "$(count_dark "$SHOTS/startup-window.png" "$CX" "$CY" 200 200)" -gt 30000 ] ||
    fail "the felt is missing"
keys "$ROOT" alt+i
until_true 10 '[ "$(menus)" -ge 1 ]' || fail "the settings menu did not open"
shot menu
keys "$ROOT" Escape
until_true 10 '[ "$(menus)" = 0 ]' || fail "the menu stayed open"

on=0 # "&Sorterat kast", off by default
for signal in TERM INT HUP; do
    keys "$ROOT" alt+i s # toggled
    on=$((1 - on))
    until_true 10 '[ "$(menus)" = 0 ]' || fail "the menu stayed open"
    kill -s "$signal" "$GAME_PID"
    wait_exit 20
    [ "$RC" = 0 ] || fail "exit $RC on SIG$signal"
    [ "$(sorted)" = "$on" ] || fail "SIG$signal lost the toggle: state $(hex state)"
    start_game
done

keys "$ROOT" alt+f a # "&Avsluta"
wait_exit 20
[ "$RC" = 0 ] || fail "exit $RC after Avsluta"
[ "$(hex state)" = 0100000000000000010000000100000001000000b004000001000000 ] ||
    fail "state after Avsluta: $(hex state)"

start_game
keys "$ROOT" alt+i s
on=$((1 - on))
until_true 10 '[ "$(menus)" = 0 ]' || fail "the menu stayed open"
kill "$WM_PID" "$X_PID"
wait_exit 20
[ "$RC" = 1 ] || fail "exit $RC when the display went away"
[ "$(grep -c '^dyxel:' "$WORK/stderr")" = 1 ] || fail "not one line of ours on stderr"
[ "$(sorted)" = "$on" ] || fail "the toggle was lost with the display: $(hex state)"
X_PID="" WM_PID=""

# Without a window manager every window of the game still opens without a word from the toolkit
# (each exit checks stderr): the help, a box, the dialog, the dice window.
start_x 1280x1024 nowm || exit 1
start_game
keys "$ROOT" F1
HELP=$(wait_window "Tolvik dyxel ? hjälp") || fail "no help window without a window manager"
keys "$HELP" Escape
wait_gone "Tolvik dyxel ? hjälp" || fail "Escape left the help open"
keys "$ROOT" alt+h o
BOX=$(wait_window "Om programmet") || fail "no about box without a window manager"
keys "$BOX" Return
wait_gone "Om programmet" || fail "the about box stayed"
keys "$ROOT" alt+f n
DIALOG=$(wait_untitled) || fail "no player dialog without a window manager"
keys "$DIALOG" A B Return Tab space
DICE=$(wait_window "Spelare: AB   Kvar: 2") || fail "no dice window without a window manager"
shot nowm
keys "$DICE" alt+k k Return
wait_gone "Spelare: AB   Kvar: 2" || fail "Klar left the dice window"
kill "$GAME_PID"
wait_exit 20
[ "$RC" = 0 ] || fail "exit $RC on SIGTERM without a window manager"
echo "startup: ok"
