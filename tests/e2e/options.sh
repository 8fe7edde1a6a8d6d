#!/usr/bin/env bash
# Options reach the disk at exit: two toggles from the keyboard are in "state" afterwards, and
# a 40-byte "state" keeps its last 12 bytes while the first 28 are rewritten.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup options "$@"

# First run: a longer file than the record, with a tail of its own.
write_state 1 0 1 1 1 1200 0
printf 'tail-bytes!!' >>state
tail_before=$(hex state | cut -c57-)
start_root
# "&Sorterat kast" and "&Alt tärning" under "&Inställningar", by their mnemonics.
keys "$ROOT" alt+i s
keys "$ROOT" alt+i a
keys "$ROOT" alt+i
shot checks
keys "$ROOT" Escape alt+f a
wait_exit 10
[ "$RC" = 0 ] || fail "exit code $RC"
[ "$(stat -c %s state)" = 40 ] || fail "state is $(stat -c %s state) bytes, not 40"
[ "$(hex state | cut -c57-)" = "$tail_before" ] || fail "the tail changed"
# altDice 0, sortedThrow 1, the rest as they were.
[ "$(hex state | cut -c1-56)" = "0000000000000000010000000100000001000000b004000001000000" ] ||
    fail "options on disk: $(hex state)"

# Second run: the toggled options are loaded again and toggled back.
start_root
keys "$ROOT" alt+i s alt+f a
wait_exit 10
[ "$RC" = 0 ] || fail "exit code $RC on the second run"
[ "$(hex state | cut -c1-56)" = "0000000000000000010000000100000001000000b004000000000000" ] ||
    fail "second run options: $(hex state)"
echo "options: ok"
