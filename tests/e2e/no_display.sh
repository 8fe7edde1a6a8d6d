#!/usr/bin/env bash
# Without a display the game says so on standard error, exits 1 and writes nothing.
set -u
. "$(dirname "$0")/lib.sh"
GAME=$(realpath "$1")
E2E_WORK=$(mktemp -d)
trap stop_all EXIT
cd "$E2E_WORK" || exit 1
fail() { echo "FAIL: $*" >&2; exit 1; }

for display in "" ":4711"; do
    if [ -z "$display" ]; then
        env -u DISPLAY -u WAYLAND_DISPLAY NO_AT_BRIDGE=1 "$GAME" >out 2>err
    else
        env -u WAYLAND_DISPLAY DISPLAY="$display" NO_AT_BRIDGE=1 "$GAME" >out 2>err
    fi
    rc=$?
    [ "$rc" = 1 ] || fail "exit code $rc with DISPLAY='$display'"
    grep -q "^dyxel: cannot open the display" err || fail "no message with DISPLAY='$display': $(cat err)"
    [ -e state ] && fail "state written although the program never ran"
done
echo "no_display: ok"
