#!/usr/bin/env bash
# Shared by the wine tests and the wine benchmark: the Windows game under wine, in the prefix of
# this test run, in a private X server with openbox, driven with xdotool as a player would drive
# it, with screenshots kept as artifacts.
WIN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
. "$WIN_ROOT/tests/x11.sh"
. "$WIN_ROOT/tests/win32/wine.sh"
# The sheet in wine's System font (height 16, average width 7): W = 35, H = 19.
WIN_W=35 WIN_H=19 WIN_TH=16 WIN_AW=7

# wine_env PREFIX: wine quiet, without its .NET and HTML installers and without an audio back
# end (the game is then silent, as without a sound card, and starts faster).
wine_env() {
    export WINEPREFIX=$1
    export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
}

# wine_setup NAME PREFIX_FILE EXE SHOTS: the prefix, a scratch working directory, X and openbox.
wine_setup() {
    NAME=$1 GAME=$(realpath "$3") SHOTS=$(realpath -m "$4")
    [ "$WINEARCH" = win64 ] && NAME=${NAME/win32/win64} # each build's screenshots of its own
    [ -d "$(cat "$2" 2>/dev/null)" ] || { echo "FAIL: no wine prefix (wine_prefix_setup)" >&2; exit 1; }
    [ -f "$GAME" ] || { echo "FAIL: $3 is not built: run make windows" >&2; exit 1; }
    wine_env "$(cat "$2")"
    mkdir -p "$SHOTS"
    WORK=$(mktemp -d)
    cd "$WORK" || exit 1
    trap stop_all EXIT
    start_x 1024x768 || exit 1
}

# Every wine process of the prefix goes with the X server: the next test starts afresh.
before_stop() { timeout 30 wineserver -k 2>/dev/null; }

# Wine starts slowly on a loaded machine the first time: a minute for the root window.
start_root() {
    "$WINE" "$GAME" >"$WORK/stdout" 2>"$WORK/stderr" &
    GAME_PID=$!
    ROOT=$(wait_window "Tolvik dyxel" 60) || fail "no root window within 60 s"
}

KEY_DELAY=150 # wine reads its keys more slowly

window_shot() { import -window "$1" "$2"; } # menu bar and client area, as X holds them
# dice_top FILE: the row where the die buttons begin in a shot of the dice window.
dice_top() { for y in $(seq 0 60); do [ "$(die_face "$1" 0 "$y")" != unknown ] && echo "$y" && return; done; false; }

# menu_height FILE: the rows of the white menu bar above the felt of the client area.
menu_height() {
    for y in $(seq 0 60); do [ "$(pixel "$1" 5 "$y")" != "255 255 255" ] && echo "$y" && return; done
    false
}
# wait_sheet: the game has begun once the fifth column's first cell, never written, is white.
wait_sheet() {
    local x y w h
    read -r x y w h <<<"$(cell_box 4 0)"
    until_true 20 "window_shot $ROOT '$WORK/sheet.png'; [ \"\$(pixel '$WORK/sheet.png' $((x + 1)) $((y + 20)))\" = '255 255 255' ]" ||
        fail "no score sheet within 20 s"
}
# cell_box COLUMN ROW: "X Y W H" of the inset cell box in client coordinates.
cell_box() { echo "$((WIN_W * $1 + WIN_W / 2 + 2 * WIN_W + 3)) $(($2 * WIN_H + WIN_H + 4)) $((WIN_W - 4)) $((WIN_H - 4))"; }

# new_players NAME...: in the open player dialog, each player entered (after -r a robot's:
# Tab goes edit, Klar, list, Lägg till, Robot), then Return with nobody to start the game.
new_players() {
    local name robot=""
    for name in "$@"; do
        [ "$name" = -r ] && robot="Tab Tab Tab Tab space" && continue
        xdotool type --delay 60 "$name" # takes every word after it as text: a command of its own
        # shellcheck disable=SC2086
        xdotool key --delay 150 $robot Return
        robot=""
    done
    xdotool key Return
}
