#!/usr/bin/env bash
# Shared by the end-to-end scripts: a private X server, the game in a scratch directory, and
# the few things a player does (keys, clicks) plus pixel checks on screenshots.

E2E_XVFB_PID=""
E2E_GAME_PID=""

# Starts Xvfb on a display number it picks itself, so that tests can run side by side.
start_xvfb() {
    local numfile
    numfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" 2>/dev/null &
    E2E_XVFB_PID=$!
    for _ in $(seq 200); do
        [ -s "$numfile" ] && break
        sleep 0.05
    done
    [ -s "$numfile" ] || { echo "FAIL: Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$numfile")"
    rm -f "$numfile"
    export NO_AT_BRIDGE=1
    export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
}

stop_all() {
    [ -n "$E2E_GAME_PID" ] && kill "$E2E_GAME_PID" 2>/dev/null
    [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    return 0
}
