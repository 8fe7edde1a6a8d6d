#!/usr/bin/env bash
# Shared by the wine tests and the wine benchmark: the Windows game under wine, in the prefix of
# this test run, in a private X server with openbox, driven with xdotool as a player would drive
# it, with screenshots kept as artifacts. Self-contained: the Linux scripts' helpers may change.
WIN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
X_PID="" WM_PID="" GAME_PID="" WORK=""

# The sheet in wine's System font (height 16, average width 7): W = 35, H = 19.
WIN_W=35 WIN_H=19 WIN_TH=16 WIN_AW=7

# wine_env PREFIX: wine quiet, without its .NET and HTML installers and without an audio back
# end (the game is then silent, as without a sound card, and starts faster).
wine_env() {
    export WINEPREFIX=$1 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
}

# start_x: Xvfb on a display number it picks itself, and openbox managing it.
start_x() {
    local numfile end=$((SECONDS + 20))
    numfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" 2>/dev/null &
    X_PID=$!
    until [ -s "$numfile" ]; do
        [ "$SECONDS" -le "$end" ] || { echo "FAIL: Xvfb did not start" >&2; return 1; }
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$numfile")"
    rm -f "$numfile"
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    # openbox has started once it names itself as the window manager.
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        [ "$SECONDS" -le "$end" ] || { echo "FAIL: openbox did not start" >&2; return 1; }
        sleep 0.05
    done
}

# Every wine process of the prefix goes with the X server: the next test starts afresh.
stop_all() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
    timeout 30 wineserver -k 2>/dev/null
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
    [ -n "$X_PID" ] && kill "$X_PID" 2>/dev/null
    wait 2>/dev/null
    [ -n "$WORK" ] && rm -rf "$WORK"
    return 0
}

# wine_setup NAME PREFIX_FILE EXE SHOTS: the prefix, a scratch working directory, X and openbox.
wine_setup() {
    NAME=$1 GAME=$(realpath "$3") SHOTS=$(realpath -m "$4")
    [ -d "$(cat "$2" 2>/dev/null)" ] || { echo "FAIL: no wine prefix (wine_prefix_setup)" >&2; exit 1; }
    [ -f "$GAME" ] || { echo "FAIL: $3 is not built: run make windows" >&2; exit 1; }
    wine_env "$(cat "$2")"
    mkdir -p "$SHOTS"
    WORK=$(mktemp -d)
    cd "$WORK" || exit 1
    trap stop_all EXIT
    start_x || exit 1
}

shot() { import -window root "$SHOTS/$NAME-$1.png"; }

fail() {
    echo "FAIL: $*" >&2
    shot failure 2>/dev/null
    exit 1
}

# Wine starts slowly on a loaded machine the first time: a minute for the root window.
start_root() {
    wine "$GAME" >"$WORK/stdout" 2>"$WORK/stderr" &
    GAME_PID=$!
    ROOT=$(wait_window "Tolvik dyxel" 60) || fail "no root window within 60 s"
}

# wait_window TITLE [SECONDS]: prints the id of a visible window whose title matches exactly.
wait_window() {
    local id end=$((SECONDS + ${2:-20}))
    while [ "$SECONDS" -le "$end" ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

wait_gone() {
    local end=$((SECONDS + ${2:-20}))
    while [ "$SECONDS" -le "$end" ]; do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    return 1
}

# The game's visible window without a title: the player dialog.
wait_untitled() {
    local id end=$((SECONDS + ${1:-20}))
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
    while kill -0 "$GAME_PID" 2>/dev/null; do
        [ "$SECONDS" -le "$end" ] || fail "the game is still running after $1 s"
        sleep 0.05
    done
    wait "$GAME_PID"
    RC=$?
    GAME_PID=""
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

# pixel FILE X Y: "R G B"
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:; }

# count_dark FILE X Y W H: the pixels of the region darker than mid-grey.
count_dark() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace gray -threshold 50% \
        -format "%[fx:int(w*h*(1-mean)+0.5)]" info:
}

# region_differs FILE X Y PICTURE: the number of pixels where the region is not the picture.
region_differs() {
    convert "$1" -crop "$(identify -format '%wx%h' "$4")+$2+$3" +repage "$WORK/crop.png"
    compare -metric AE "$WORK/crop.png" "$4" null: 2>&1 | cut -d' ' -f1
}

# die_face FILE X Y: which of the twelve face pictures the 64 x 64 square shows ("held3").
die_face() {
    local f sig
    if [ ! -s "$WORK/faces" ]; then
        for f in free1 free2 free3 free4 free5 free6 held1 held2 held3 held4 held5 held6; do
            echo "$(convert "$WIN_ROOT/res/pic/$f.bmp" -format '%#' info:) $f"
        done >"$WORK/faces"
    fi
    sig=$(convert "$1" -crop "64x64+$2+$3" +repage -format '%#' info:)
    f=$(grep "^$sig " "$WORK/faces" | cut -d' ' -f2)
    echo "${f:-unknown}"
}

# cell_box COLUMN ROW: "X Y W H" of the inset cell box in client coordinates.
cell_box() { echo "$((WIN_W * $1 + WIN_W / 2 + 2 * WIN_W + 3)) $(($2 * WIN_H + WIN_H + 4)) $((WIN_W - 4)) $((WIN_H - 4))"; }

# write_state VALUE...: the options record as "state" holds it, seven little-endian words.
write_state() {
    local v out=""
    for v in "$@"; do
        out+=$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $(((v >> 8) & 255)) \
            $(((v >> 16) & 255)) $(((v >> 24) & 255)))
    done
    printf "$out" >state
}
hex() { od -An -v -tx1 "$1" | tr -d ' \n'; }

# read_top_ten FILE: "name score" lines, the file's CR LF pairs read back as LF.
read_top_ten() {
    od -An -v -tu1 "$1" | tr -s ' \n' '\n' | sed '/^$/d' | awk '
        { b[n++] = $1 }
        END {
            for (i = 0; i < n; i++) if (!(b[i] == 13 && b[i + 1] == 10)) img[m++] = b[i]
            for (i = 0; i + 8 <= m; i += 8) {
                name = ""
                for (k = 0; k < 3 && img[i + k] != 0; k++) name = name sprintf("%c", img[i + k])
                print name, img[i + 4] + 256 * (img[i + 5] + 256 * (img[i + 6] + 256 * img[i + 7]))
            }
        }'
}

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
