#!/usr/bin/env bash
# Options reach the disk at exit: two toggles from the keyboard are in "state" afterwards, and
# a 40-byte "state" keeps its last 12 bytes while the first 28 are rewritten.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup options "$@"

# First run: a longer file than the record, with a tail of its own.
write_state 1 0 1 1 1 1200 0
printf 'tail-bytes!!' >>state
tail_before=$(tail -c 12 state | od -An -tx1 | tr -d ' \n')
start_game
root=$(wait_window "Tolvik dyxel" 10) || fail "no root window"
# "&Sorterat kast" and "&Alt tärning" under "&Inställningar", by their mnemonics.
keys "$root" alt+i s
keys "$root" alt+i a
keys "$root" alt+i
shot checks
keys "$root" Escape alt+f a
wait_exit 10
[ "$RC" = 0 ] || fail "exit code $RC"
[ "$(stat -c %s state)" = 40 ] || fail "state is $(stat -c %s state) bytes, not 40"
[ "$(tail -c 12 state | od -An -tx1 | tr -d ' \n')" = "$tail_before" ] || fail "the tail changed"
# altDice 0, sortedThrow 1, the rest as they were.
[ "$(head -c 28 state | od -An -tx1 | tr -d ' \n')" = \
    "0000000000000000010000000100000001000000b004000001000000" ] ||
    fail "options on disk: $(head -c 28 state | od -An -tx1 | tr -d ' \n')"

# Second run: the toggled options are loaded again and toggled back.
start_game
root=$(wait_window "Tolvik dyxel" 10) || fail "no root window on the second run"
keys "$root" alt+i s alt+f a
wait_exit 10
[ "$RC" = 0 ] || fail "exit code $RC on the second run"
[ "$(head -c 28 state | od -An -tx1 | tr -d ' \n')" = \
    "0000000000000000010000000100000001000000b004000000000000" ] ||
    fail "second run options: $(head -c 28 state | od -An -tx1 | tr -d ' \n')"
echo "options: ok"
