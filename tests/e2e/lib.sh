#!/usr/bin/env bash
# Shared by the Linux end-to-end scripts: the game in a scratch directory under a private X
# server, what a player does (keys, clicks), and where the sheet stands on the screen.
E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
. "$E2E_ROOT/tests/x11.sh"

# e2e_setup NAME GAME SHOTS: a scratch working directory and an X server.
e2e_setup() {
    NAME=$1
    GAME=$(realpath "$2")
    SHOTS=$(realpath -m "$3")
    mkdir -p "$SHOTS"
    WORK=$(mktemp -d)
    cd "$WORK" || exit 1
    trap stop_all EXIT
    start_x || exit 1
}

# start_game [ARGUMENTS]: the game (with GAME_ENV in its environment), its root window (ROOT)
# and the client area on the screen (CX, CY: below the menu bar; CW, CH), once it is painted.
start_game() {
    env ${GAME_ENV:-} "$GAME" "$@" >"$WORK/stdout" 2>>"$WORK/stderr" &
    GAME_PID=$!
    ROOT=$(wait_window "Tolvik dyxel" 30) || fail "no root window"
    until_true 30 painted || fail "the root window was never painted"
}

# Standard error holds the game's own lines ("dyxel: ..."), nothing else: a warning of GTK,
# GLib or any library under it (an allocation smaller than a widget's minimum, a widget used
# after its window went) fails the run, at start-up, during a game or at exit. Every run of
# the script adds to the one file.
after_exit() {
    local foreign
    foreign=$(grep -v '^dyxel: ' "$WORK/stderr")
    [ -z "$foreign" ] || fail "not the game's own lines on stderr: $(head -c 600 <<<"$foreign")"
}

# painted: the logo stands in the root window's bottom-right corner (sets CX, CY, CW, CH).
painted() {
    eval "$(xwininfo -id "$ROOT" | sed -n 's/.*Absolute upper-left X: *\(-*[0-9]*\)/WX=\1/p;
        s/.*Absolute upper-left Y: *\(-*[0-9]*\)/WY=\1/p; s/.*Width: *\([0-9]*\)/WW=\1/p;
        s/.*Height: *\([0-9]*\)/WH=\1/p')"
    import -window root -crop "${WW}x${WH}+$WX+$WY" +repage "$WORK/root.png" || return 1
    local y r g b
    for y in $(seq 5 80); do # the first row below the menu bar is the felt's dark green
        read -r r g b <<<"$(pixel "$WORK/root.png" 3 "$y")"
        [ "$r" -lt 120 ] && [ "$g" -gt "$r" ] && break
    done
    CX=$WX CY=$((WY + y)) CW=$WW CH=$((WH - y))
    [ "$(region_differs "$WORK/root.png" $((WW - 120)) $((WH - 88)) \
        "$E2E_ROOT/res/pic/logo.bmp")" -lt 200 ]
}

# click X Y [BUTTON]: a click at a point of the root window's client area.
click() { xdotool mousemove $((CX + $1)) $((CY + $2)) sleep 0.05 click "${3:-1}"; }
double_click() { xdotool mousemove $((CX + $1)) $((CY + $2)) sleep 0.05 click --repeat 2 --delay 60 1; }

# region_differs FILE X Y PICTURE: how many pixels of the region differ from the picture.
region_differs() {
    convert "$1" -crop "$(identify -format '%wx%h' "$4")+$2+$3" +repage "$WORK/crop.png"
    compare -metric AE "$WORK/crop.png" "$4" null: 2>&1 | cut -d' ' -f1
}
# A screenshot of the root window's client area.
client_shot() { import -window root -crop "${CW}x${CH}+$CX+$CY" +repage "$SHOTS/$NAME-$1.png"; }

# The sheet's cells for the default font under Xvfb (DejaVu Sans 10 pt: height 17, width 8):
# cell_box COLUMN ROW: "X Y W H" of the inset cell box in client coordinates.
cell_box() { echo "$((40 * $1 + 20 + 80 + 3)) $(($2 * 20 + 20 + 1 + 3)) 36 16"; }
