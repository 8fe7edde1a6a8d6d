#!/usr/bin/env bash
# Shared by the end-to-end scripts: a private X server with openbox, the game in a scratch
# directory, what a player does (keys, clicks), and checks on screenshots, which are kept. Every
# wait polls for what it waits for, with a limit, so a loaded machine only makes it slower.

E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
E2E_XVFB_PID="" E2E_WM_PID="" GAME_PID=""

# until_true SECONDS 'CODE': true as soon as the shell code succeeds, false after the limit.
until_true() {
    local end=$((SECONDS + $1))
    while ! eval "$2" 2>/dev/null; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.05
    done
}

# start_x: Xvfb on a display number of its own and openbox managing it.
start_x() {
    local numfile
    numfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numfile" 2>/dev/null &
    E2E_XVFB_PID=$!
    until_true 20 '[ -s "$numfile" ]' || { echo "FAIL: Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$numfile")" NO_AT_BRIDGE=1 SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
    rm -f "$numfile"
    openbox --sm-disable >/dev/null 2>&1 &
    E2E_WM_PID=$!
    until_true 20 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window' ||
        { echo "FAIL: openbox did not start" >&2; return 1; }
}

stop_all() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
    [ -n "$E2E_WM_PID" ] && kill "$E2E_WM_PID" 2>/dev/null
    [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    [ -n "${E2E_WORK:-}" ] && rm -rf "$E2E_WORK"
    return 0
}

# e2e_setup NAME GAME SHOTS: a scratch working directory and an X server.
e2e_setup() {
    E2E_NAME=$1
    GAME=$(realpath "$2")
    SHOTS=$(realpath -m "$3")
    mkdir -p "$SHOTS"
    E2E_WORK=$(mktemp -d)
    cd "$E2E_WORK" || exit 1
    trap stop_all EXIT
    start_x || exit 1
}

shot() { import -window root "$SHOTS/$E2E_NAME-$1.png"; }

fail() {
    echo "FAIL: $*" >&2
    shot failure 2>/dev/null
    [ -s "$E2E_WORK/stderr" ] && sed 's/^/game stderr: /' "$E2E_WORK/stderr" >&2
    exit 1
}

# window_id TITLE: the visible window of ours whose title matches, as a pattern of the shell.
window_id() {
    local id
    for id in $(xdotool search --onlyvisible --class dyxel 2>/dev/null); do
        # shellcheck disable=SC2053
        [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == $1 ]] && echo "$id" && return 0
    done
    return 1
}
wait_window() { until_true "${2:-20}" "window_id '$1' >/dev/null" && window_id "$1"; }
wait_gone() { until_true "${2:-20}" "! window_id '$1' >/dev/null"; }
# The window of ours without a title: the player dialog.
untitled() {
    local id
    for id in $(xdotool search --onlyvisible --class dyxel 2>/dev/null); do
        [ -z "$(xdotool getwindowname "$id")" ] && echo "$id" && return 0
    done
    return 1
}

# start_game [ARGUMENTS]: the game (with GAME_ENV in its environment), its root window (ROOT)
# and the client area on the screen (CX, CY: below the menu bar; CW, CH), once it is painted.
start_game() {
    env ${GAME_ENV:-} "$GAME" "$@" >"$E2E_WORK/stdout" 2>"$E2E_WORK/stderr" &
    GAME_PID=$!
    ROOT=$(wait_window "Tolvik dyxel" 30) || fail "no root window"
    until_true 30 painted || fail "the root window was never painted"
}

# painted: the logo stands in the root window's bottom-right corner (sets CX, CY, CW, CH).
painted() {
    eval "$(xwininfo -id "$ROOT" | sed -n 's/.*Absolute upper-left X: *\(-*[0-9]*\)/WX=\1/p;
        s/.*Absolute upper-left Y: *\(-*[0-9]*\)/WY=\1/p; s/.*Width: *\([0-9]*\)/WW=\1/p;
        s/.*Height: *\([0-9]*\)/WH=\1/p')"
    import -window root -crop "${WW}x${WH}+$WX+$WY" +repage "$E2E_WORK/root.png" || return 1
    local y r g b
    for y in $(seq 5 80); do # the first row below the menu bar is the felt's dark green
        read -r r g b <<<"$(pixel "$E2E_WORK/root.png" 3 "$y")"
        [ "$r" -lt 120 ] && [ "$g" -gt "$r" ] && break
    done
    CX=$WX CY=$((WY + y)) CW=$WW CH=$((WH - y))
    [ "$(region_differs "$E2E_WORK/root.png" $((WW - 120)) $((WH - 88)) \
        "$E2E_ROOT/res/pic/logo.bmp")" -lt 200 ]
}

# keys WINDOW KEY...: the window is activated, then the keys are pressed one by one.
keys() {
    local w=$1
    shift
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$w" ] ||
        xdotool windowactivate --sync "$w" >/dev/null 2>&1 || xdotool windowfocus --sync "$w" 2>/dev/null
    xdotool key --delay 60 "$@"
}
# click X Y [BUTTON]: a click at a point of the root window's client area.
click() { xdotool mousemove $((CX + $1)) $((CY + $2)) sleep 0.05 click "${3:-1}"; }
double_click() { xdotool mousemove $((CX + $1)) $((CY + $2)) sleep 0.05 click --repeat 2 --delay 60 1; }

# wait_exit SECONDS: sets RC to the game's exit code; fails when it is still running.
wait_exit() {
    until_true "$1" "! kill -0 $GAME_PID" || fail "the game is still running after $1 s"
    wait "$GAME_PID"
    RC=$?
    GAME_PID=""
}

# pixel FILE X Y: "R G B"
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}
# region_differs FILE X Y PICTURE: how many pixels of the region differ from the picture.
region_differs() {
    convert "$1" -crop "$(identify -format '%wx%h' "$4")+$2+$3" +repage "$E2E_WORK/crop.png"
    compare -metric AE "$E2E_WORK/crop.png" "$4" null: 2>&1 | cut -d' ' -f1
}
# count_dark FILE X Y W H: pixels of the region darker than mid-grey.
count_dark() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace gray -threshold 50% \
        -format "%[fx:int(w*h*(1-mean)+0.5)]" info:
}
# A screenshot of the root window's client area.
client_shot() { import -window root -crop "${CW}x${CH}+$CX+$CY" +repage "$SHOTS/$E2E_NAME-$1.png"; }

# The options record as "state" holds it: seven little-endian words.
write_state() {
    local v out=""
    for v in "$@"; do
        out+=$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $(((v >> 8) & 255)) \
            $(((v >> 16) & 255)) $(((v >> 24) & 255)))
    done
    printf "$out" >state
}
hex() { od -An -v -tx1 "$1" | tr -d ' \n'; }

# read_top_ten FILE: "name score" lines of the list, its CR LF pairs read back as LF.
read_top_ten() {
    local bytes=() image=() i name score k
    read -r -a bytes <<<"$(od -An -v -tu1 "$1" | tr '\n' ' ')"
    for ((i = 0; i < ${#bytes[@]}; i++)); do
        [ "${bytes[i]}" = 13 ] && [ "${bytes[i + 1]:-}" = 10 ] && continue
        image+=("${bytes[i]}")
    done
    for ((i = 0; i + 8 <= ${#image[@]}; i += 8)); do
        name=""
        for k in 0 1 2; do
            [ "${image[i + k]}" = 0 ] && break
            name+=$(printf "\\x$(printf %02x "${image[i + k]}")")
        done
        score=$((image[i + 4] | image[i + 5] << 8 | image[i + 6] << 16 | image[i + 7] << 24))
        [ "$score" != 0 ] && echo "$name $score"
    done
}

# The sheet's cells for the default font under Xvfb (DejaVu Sans 10 pt: height 17, width 8):
# cell_box COLUMN ROW: "X Y W H" of the inset cell box in client coordinates.
cell_box() { echo "$((40 * $1 + 20 + 80 + 3)) $(($2 * 20 + 20 + 1 + 3)) 36 16"; }
