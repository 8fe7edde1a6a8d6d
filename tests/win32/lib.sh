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

# until_true SECONDS COMMAND: polls the command until it succeeds; false when time runs out.
until_true() {
    local end=$((SECONDS + $1))
    until eval "$2"; do
        [ "$SECONDS" -le "$end" ] || return 1
        sleep 0.05
    done
}

# start_x: Xvfb on a display number it picks itself, and openbox managing it.
start_x() {
    local numfile
    numfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" 2>/dev/null &
    X_PID=$!
    until_true 20 "[ -s '$numfile' ]" || { echo "FAIL: Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$numfile")"
    rm -f "$numfile"
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    # openbox has started once it names itself as the window manager.
    until_true 20 "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" ||
        { echo "FAIL: openbox did not start" >&2; return 1; }
}

# Every wine process of the prefix goes with the X server: the next test starts afresh.
stop_all() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
    timeout 30 wineserver -k 2>/dev/null
    kill $WM_PID $X_PID 2>/dev/null
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

# A visible window whose title matches exactly; the dialog is the game's one without a title.
window_id() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 | grep .; }
wait_window() { until_true "${2:-20}" "window_id '$1' >/dev/null" && window_id "$1"; }
wait_gone() { until_true "${2:-20}" "! window_id '$1' >/dev/null"; }
untitled() {
    local id
    for id in $(xdotool search --onlyvisible --class dyxel 2>/dev/null); do
        [ -z "$(xdotool getwindowname "$id" 2>/dev/null)" ] && echo "$id" && return 0
    done
    return 1
}
wait_untitled() { until_true "${1:-20}" "untitled >/dev/null" && untitled; }

# wait_exit SECONDS: sets RC to the game's exit code; fails when it is still running.
wait_exit() {
    until_true "$1" "! kill -0 $GAME_PID 2>/dev/null" || fail "the game still runs after $1 s"
    wait "$GAME_PID"
    RC=$?
    GAME_PID=""
}

# keys WINDOW KEY...: the window activated through the window manager and holding the X focus,
# then the keys in order. Wine takes the focus change from X in its own time, and a key that
# came first would still reach the window that was active before: hence the short settling.
keys() {
    local w=$1 k
    shift
    until_true 10 "xdotool windowactivate --sync $w 2>/dev/null; [ \"\$(xdotool getwindowfocus)\" = $w ]" ||
        fail "window $w does not take the focus"
    sleep 0.3
    for k in "$@"; do xdotool key "$k" sleep 0.2; done
}

window_shot() { import -window "$1" "$2"; } # menu bar and client area, as X holds them
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:; }
# count_dark FILE X Y W H: the pixels of the region darker than mid-grey.
count_dark() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace gray -threshold 50% \
        -format "%[fx:int(w*h*(1-mean)+0.5)]" info:
}
# signature FILE [WxH+X+Y]: a hash of the pixels, of the whole picture or of a region.
signature() { convert "$1" ${2:+-crop "$2" +repage} -format '%#' info:; }

# die_face FILE X Y: which of the twelve face pictures the 64 x 64 square shows ("held3").
die_face() {
    local f
    [ -s "$WORK/faces" ] || for f in {free,held}{1..6}; do
        echo "$(signature "$WIN_ROOT/res/pic/$f.bmp") $f"
    done >"$WORK/faces"
    f=$(grep "^$(signature "$1" "64x64+$2+$3") " "$WORK/faces" | cut -d' ' -f2)
    echo "${f:-unknown}"
}
# dice_top FILE: the row where the die buttons begin in a shot of the dice window.
dice_top() { for y in $(seq 0 60); do [ "$(die_face "$1" 0 "$y")" != unknown ] && echo "$y" && return; done; false; }
# dice_faces FILE TOP: the five dice as die_face names them.
dice_faces() { for i in 0 1 2 3 4; do die_face "$1" $((70 * i)) "$2"; done | paste -sd' '; }

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

# The options as "state" holds them (little-endian words), and the top-ten list as "name score"
# lines, the file's CR LF pairs read back as LF.
write_state() { perl -e 'print pack("l<*", @ARGV)' "$@" >state; }
hex() { od -An -v -tx1 "$1" | tr -d ' \n'; }
read_top_ten() {
    perl -0777 -ne 's/\r\n/\n/g; my @f = unpack("(Z4 l<)*", $_); print shift(@f), " ", shift(@f), "\n" while @f' "$1"
}

# new_players NAME...: in the open player dialog, each player entered (after -r a robot's:
# Tab goes edit, Klar, list, Lägg till, Robot), then Return with nobody to start the game.
new_players() {
    local name robot=""
    for name in "$@"; do
        [ "$name" = -r ] && robot="Tab Tab Tab Tab space" && continue
        xdotool type --delay 60 "$name" # takes every word after it as text: a command of its own
        # shellcheck disable=SC2086
        xdotool key --delay 150 $robot Return sleep 0.3
        robot=""
    done
    xdotool key Return
}
