#!/usr/bin/env bash
# Shared by the end-to-end scripts: a private X server, the game in a scratch directory, and
# what a player does (keys, clicks), with pixel checks on screenshots kept as artifacts.
# There is no window manager: the scripts give a window the keyboard focus themselves, as a
# window manager would on a click.

E2E_XVFB_PID=""
E2E_GAME_PID=""
E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

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
    [ -n "${E2E_WORK:-}" ] && rm -rf "$E2E_WORK"
    return 0
}

# e2e_setup NAME GAME SHOTS XCLOSE: a scratch working directory and an X server.
e2e_setup() {
    E2E_NAME=$1
    GAME=$(realpath "$2")
    SHOTS=$(realpath -m "$3")
    XCLOSE=${4:+$(realpath "$4")}
    mkdir -p "$SHOTS"
    E2E_WORK=$(mktemp -d)
    cd "$E2E_WORK" || exit 1
    trap stop_all EXIT
    start_xvfb || exit 1
}

shot() { import -window root "$SHOTS/$E2E_NAME-$1.png"; }

fail() {
    echo "FAIL: $*" >&2
    shot failure 2>/dev/null
    [ -s "$E2E_WORK/stderr" ] && sed 's/^/game stderr: /' "$E2E_WORK/stderr" >&2
    exit 1
}

start_game() {
    "$GAME" >"$E2E_WORK/stdout" 2>"$E2E_WORK/stderr" &
    E2E_GAME_PID=$!
}

# wait_window TITLE [SECONDS]: prints the id of the visible window with exactly that title.
wait_window() {
    local id end=$((SECONDS + ${2:-10}))
    while [ "$SECONDS" -le "$end" ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

# wait_gone TITLE [SECONDS]: until no visible window has that title.
wait_gone() {
    local end=$((SECONDS + ${2:-10}))
    while [ "$SECONDS" -le "$end" ]; do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    return 1
}

# The visible window without a title (the player dialog), other than those named.
wait_untitled() {
    local id end=$((SECONDS + ${1:-10}))
    while [ "$SECONDS" -le "$end" ]; do
        for id in $(xdotool search --onlyvisible --class dyxel 2>/dev/null); do
            [ -z "$(xdotool getwindowname "$id" 2>/dev/null)" ] && { echo "$id"; return 0; }
        done
        sleep 0.05
    done
    return 1
}

# wait_exit SECONDS: sets RC to the game's exit code; fails when it is still running.
wait_exit() {
    local end=$((SECONDS + $1))
    while [ "$SECONDS" -le "$end" ]; do
        kill -0 "$E2E_GAME_PID" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$E2E_GAME_PID" 2>/dev/null && fail "the game is still running after $1 s"
    wait "$E2E_GAME_PID"
    RC=$?
    E2E_GAME_PID=""
}

visible_windows() { xdotool search --onlyvisible --class dyxel 2>/dev/null | wc -l; }

# keys WINDOW KEY...: focus the window, then press the keys one by one. Every key the scripts
# press opens or closes a menu, a box or a dialog, which GTK does asynchronously: each waits
# (up to 3 s, for a loaded machine) until the number of visible windows has changed.
keys() {
    local w=$1 k n end
    shift
    xdotool windowfocus --sync "$w"
    for k in "$@"; do
        n=$(visible_windows)
        xdotool key "$k"
        end=$((SECONDS + 3))
        while [ "$(visible_windows)" = "$n" ] && [ "$SECONDS" -le "$end" ]; do
            sleep 0.05
        done
        sleep 0.1
    done
}

geometry() { # geometry WINDOW: sets GX GY GW GH
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^X=/GX=/p;s/^Y=/GY=/p;s/^WIDTH=/GW=/p;s/^HEIGHT=/GH=/p')"
}

# (mousemove --sync waits for a motion that never comes when the pointer is already there.)
click() { xdotool mousemove "$1" "$2" sleep 0.1 click "${3:-1}"; }
double_click() { xdotool mousemove "$1" "$2" sleep 0.1 click --repeat 2 --delay 80 1; }

# pixel FILE X Y: "R G B"
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:; }

# The number of pixels that differ between a region of a screenshot and a picture.
region_differs() { # FILE X Y PICTURE
    local size
    size=$(identify -format '%wx%h' "$4")
    convert "$1" -crop "$size+$2+$3" +repage "$E2E_WORK/crop.png"
    compare -metric AE "$E2E_WORK/crop.png" "$4" null: 2>&1 | cut -d' ' -f1
}

# The root window's client area starts below the menu bar: the first row that is not the
# menu bar's light grey, in a screenshot taken before any game.
canvas_top() {
    local y r g b
    for y in $(seq 10 60); do
        read -r r g b <<<"$(pixel "$1" 5 "$y")"
        [ "$r" -lt 200 ] && { echo "$y"; return 0; }
    done
    return 1
}

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

# count_dark FILE X Y W H: pixels of the region darker than mid-grey.
count_dark() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace gray -threshold 50% \
        -format "%[fx:int(w*h*(1-mean)+0.5)]" info:
}

# The top-ten file as "name score" lines, its CR LF pairs read back as LF.
read_top_ten() {
    local bytes=() image=() i name score k
    read -r -a bytes <<<"$(od -An -v -tu1 "$1" | tr '\n' ' ')"
    for ((i = 0; i < ${#bytes[@]}; i++)); do
        if [ "${bytes[i]}" = 13 ] && [ "${bytes[i + 1]:-}" = 10 ]; then
            continue
        fi
        image+=("${bytes[i]}")
    done
    for ((i = 0; i + 8 <= ${#image[@]}; i += 8)); do
        name=""
        for k in 0 1 2; do
            [ "${image[i + k]}" = 0 ] && break
            name+=$(printf "\\x$(printf %02x "${image[i + k]}")")
        done
        score=$((image[i + 4] | image[i + 5] << 8 | image[i + 6] << 16 | image[i + 7] << 24))
        echo "$name $score"
    done
}

# Sheet geometry for the default font under Xvfb (DejaVu Sans 10 pt: height 17, width 8).
SHEET_W=40
SHEET_H=20
# cell_box COLUMN ROW: "X Y W H" of the inset cell box in client coordinates.
cell_box() { echo "$((SHEET_W * $1 + SHEET_W / 2 + 2 * SHEET_W + 3)) $(($2 * SHEET_H + SHEET_H + 1 + 3)) $((SHEET_W - 4)) $((SHEET_H - 4))"; }

# die_face FILE X Y: which of the twelve face pictures the 64 x 64 square shows, e.g. "held3"
# (pixel for pixel: the dice window copies the pictures unscaled).
die_face() {
    local f sig
    if [ ! -s "$E2E_WORK/faces" ]; then
        for f in free1 free2 free3 free4 free5 free6 held1 held2 held3 held4 held5 held6; do
            echo "$(convert "$E2E_ROOT/res/pic/$f.bmp" -format '%#' info:) $f"
        done >"$E2E_WORK/faces"
    fi
    sig=$(convert "$1" -crop "64x64+$2+$3" +repage -format '%#' info:)
    f=$(grep "^$sig " "$E2E_WORK/faces" | cut -d' ' -f2)
    echo "${f:-unknown}"
}

# start_root: starts the game and sets ROOT to its root window.
start_root() {
    start_game
    ROOT=$(wait_window "Tolvik dyxel" 10) || fail "no root window"
}

# new_game NAME...: "&Nytt spel", each player entered in the dialog (a name after -r is a
# robot's), then "Lägg till" with nobody to complete the list.
new_game() {
    local dialog name robot=""
    keys "$ROOT" alt+f n
    dialog=$(wait_untitled 5) || fail "no player dialog"
    xdotool windowfocus --sync "$dialog"
    for name in "$@"; do
        [ "$name" = -r ] && robot="Tab space" && continue
        xdotool type --delay 60 "$name"
        xdotool key --delay 150 $robot Return # "Robot", then "Lägg till"
        robot=""
        sleep 0.3
    done
    shot dialog
    xdotool key Return
}
