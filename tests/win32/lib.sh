#!/usr/bin/env bash
# Shared by the wine tests: the Windows game under wine, in the prefix of this test run, in a
# private X server with openbox, driven with xdotool as a player would drive it. Builds on the
# end-to-end helpers (shot, fail, wait_window, wait_exit, pixel, read_top_ten, write_state...).
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

# The sheet in wine's System font (height 16, average width 7): W = 35, H = 19.
WIN_W=35
WIN_H=19
WIN_TH=16
WIN_AW=7
SHEET_W=$WIN_W # for cell_box
SHEET_H=$WIN_H

# wine_setup NAME PREFIX_FILE EXE SHOTS: the prefix, a scratch directory, X and openbox.
wine_setup() {
    local prefix
    prefix=$(cat "$2" 2>/dev/null)
    [ -d "$prefix" ] || { echo "FAIL: no wine prefix (see wine_prefix_setup)" >&2; exit 1; }
    [ -f "$3" ] || { echo "FAIL: $3 is not built: run make windows" >&2; exit 1; }
    export WINEPREFIX=$prefix WINEDEBUG=-all
    # No audio back end: the game is silent, as without a sound card, and starts faster.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
    e2e_setup "$1" "$3" "$4"
    trap wine_stop EXIT
    openbox >/dev/null 2>&1 &
    E2E_WM_PID=$!
    # openbox answers once it manages the screen: it owns the window manager selection.
    local end=$((SECONDS + 20))
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        [ "$SECONDS" -le "$end" ] || fail "openbox did not start within 20 s"
        sleep 0.1
    done
}

# Every wine process of the prefix goes with the X server: the next test starts afresh.
wine_stop() {
    [ -n "$E2E_GAME_PID" ] && kill "$E2E_GAME_PID" 2>/dev/null
    timeout 30 wineserver -k 2>/dev/null
    [ -n "${E2E_WM_PID:-}" ] && kill "$E2E_WM_PID" 2>/dev/null
    stop_all
}

start_game() {
    wine "$GAME" >"$E2E_WORK/stdout" 2>"$E2E_WORK/stderr" &
    E2E_GAME_PID=$!
}

# Wine starts slowly on a loaded machine the first time: a minute for the root window.
start_root() {
    start_game
    ROOT=$(wait_window "Tolvik dyxel" 60) || fail "no root window within 60 s"
}

# keys WINDOW KEY...: the window activated through the window manager and holding the X focus,
# then the keys in order. Wine takes the focus change from X in its own time, and a key that
# came first would still reach the window that was active before: hence the short settling.
keys() {
    local w=$1 end=$((SECONDS + 10)) k
    shift
    xdotool windowactivate --sync "$w" 2>/dev/null
    until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$w" ]; do
        [ "$SECONDS" -le "$end" ] || fail "window $w does not take the focus"
        xdotool windowactivate "$w" 2>/dev/null
        sleep 0.1
    done
    sleep 0.3
    for k in "$@"; do
        xdotool key "$k"
        sleep 0.2
    done
}

# window_shot ID FILE: the window alone, as X holds it (menu bar and client area).
window_shot() { import -window "$1" "$2"; }

# menu_height FILE: the rows of the menu bar above the client area (the bar is white, the felt
# below it is not), in a window shot taken before any game.
menu_height() {
    local y r g b
    for y in $(seq 0 60); do
        read -r r g b <<<"$(pixel "$1" 5 "$y")"
        [ "$r$g$b" != 255255255 ] && { echo "$y"; return 0; }
    done
    return 1
}

# dice_top FILE: the row where the five die buttons begin in a shot of the dice window.
dice_top() {
    local y
    for y in $(seq 0 60); do
        [ "$(die_face "$1" 0 "$y")" != unknown ] && { echo "$y"; return 0; }
    done
    return 1
}

# dice_faces FILE TOP: the five dice as die_face names them.
dice_faces() {
    local i out=""
    for i in 0 1 2 3 4; do out+="$(die_face "$1" $((70 * i)) "$2") "; done
    echo "${out% }"
}

# new_players NAME...: in the open player dialog, each player entered (after -r a robot's:
# Tab goes edit, Klar, list, Lägg till, Robot), then Return with nobody to start the game.
new_players() {
    local name robot=""
    for name in "$@"; do
        [ "$name" = -r ] && robot="Tab Tab Tab Tab space" && continue
        xdotool type --delay 60 "$name"
        # shellcheck disable=SC2086
        xdotool key --delay 150 $robot Return
        robot=""
        sleep 0.3
    done
    xdotool key Return
}
