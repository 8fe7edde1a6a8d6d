#!/usr/bin/env bash
# Shared by every script that drives a build of the game under X (the Linux and wine tests, the
# store's instance test and the benchmarks): a private X server with openbox, the game's windows
# found and waited for, checks on screenshots, and the data files written and read as bytes.
# Every wait polls for what it waits for, with a limit, so a loaded machine only makes it slower.
# The caller sets NAME (the screenshots' prefix), SHOTS, WORK (removed at the end) and GAME_PID.
X_PID="" WM_PID="" GAME_PID="" WORK=""

# until_true SECONDS 'CODE': true as soon as the shell code succeeds, false after the limit.
until_true() {
    local end=$((SECONDS + $1))
    while ! eval "$2" 2>/dev/null; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.05
    done
}

# start_x [SIZE [nowm]]: Xvfb on a display number of its own, and openbox managing it unless
# told not to.
start_x() {
    local numfile
    numfile=$(mktemp)
    # -noreset: a server whose last client leaves starts over, and a client connecting then (the
    # window manager behind the readiness polls, the game) is dropped or never managed.
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 3>"$numfile" 2>/dev/null &
    X_PID=$!
    until_true 20 '[ -s "$numfile" ]' || { echo "FAIL: Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$numfile")" NO_AT_BRIDGE=1 SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
    rm -f "$numfile"
    [ "${2:-}" = nowm ] && return 0
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    # Openbox names itself early in its start, and a window mapped before it has finished is
    # never managed: ready once its theme and its client list are there as well.
    until_true 20 'p=$(xprop -root _NET_SUPPORTING_WM_CHECK _OB_THEME _NET_CLIENT_LIST) &&
        ! grep -q "not found" <<<"$p"' || { echo "FAIL: openbox did not start" >&2; return 1; }
}

# What else must go before the X server does (the wine scripts end wine's server).
before_stop() { :; }
stop_all() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
    before_stop
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
    [ -n "$X_PID" ] && kill "$X_PID" 2>/dev/null
    wait 2>/dev/null
    [ -n "$WORK" ] && rm -rf "$WORK"
    return 0
}

shot() { import -window root "$SHOTS/$NAME-$1.png"; }
fail() {
    echo "FAIL: $*" >&2
    shot failure 2>/dev/null
    [ -s "$WORK/stderr" ] && sed 's/^/game stderr: /' "$WORK/stderr" >&2
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
untitled() { window_id ""; }
wait_untitled() { until_true "${1:-20}" "untitled >/dev/null" && untitled; }

# What a script checks of every run of the game once it has ended (the Linux scripts: its
# standard error).
after_exit() { :; }
# wait_exit SECONDS: sets RC to the game's exit code; fails when it is still running.
wait_exit() {
    until_true "$1" "! kill -0 $GAME_PID" || fail "the game is still running after $1 s"
    wait "$GAME_PID"
    RC=$?
    GAME_PID=""
    after_exit
}

# keys WINDOW KEY...: the window activated through the window manager and holding the X focus
# (a key sent before would reach the window that had it), then the keys at a player's pace.
keys() {
    local w=$1 take=windowactivate
    shift
    # Without a window manager nothing activates a window: the X focus is set directly.
    [ -n "$WM_PID" ] || take=windowfocus
    until_true 10 "xdotool $take --sync $w; [ \"\$(xdotool getwindowfocus)\" = $w ]" ||
        fail "window $w does not take the focus"
    [ $# = 0 ] || xdotool key --delay "${KEY_DELAY:-60}" "$@"
}

# pixel FILE X Y: "R G B"
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}
# count_dark FILE X Y W H: pixels of the region darker than mid-grey.
count_dark() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace gray -threshold 50% \
        -format "%[fx:int(w*h*(1-mean)+0.5)]" info:
}

# The options as "state" holds them (little-endian words), and the top-ten list as "name score"
# lines, the file's CR LF pairs read back as LF.
write_state() { perl -e 'print pack("l<*", @ARGV)' "$@" >state; }
hex() { od -An -v -tx1 "$1" | tr -d ' \n'; }
read_top_ten() {
    perl -0777 -ne 's/\r\n/\n/g; my @f = unpack("(Z4 l<)*", $_);
        while (@f) { my ($n, $s) = splice(@f, 0, 2); print "$n $s\n" if $s }' "$1"
}

# signature FILE [WxH+X+Y]: a hash of the pixels, of the whole picture or of a region.
signature() { convert "$1" ${2:+-crop "$2" +repage} -format '%#' info:; }
# die_face FILE X Y: which of the twelve face pictures the 64 x 64 square at X, Y shows
# ("held3"), or "unknown".
die_face() {
    local f root
    root="$(dirname "${BASH_SOURCE[0]}")/.."
    [ -s "$WORK/faces" ] || for f in {free,held}{1..6}; do
        echo "$(signature "$root/res/pic/$f.bmp") $f"
    done >"$WORK/faces"
    f=$(grep "^$(signature "$1" "64x64+$2+$3") " "$WORK/faces" | cut -d' ' -f2)
    echo "${f:-unknown}"
}
# dice_faces FILE X Y: the five dice from the one at X, Y rightwards, as die_face names them.
dice_faces() { for i in 0 1 2 3 4; do die_face "$1" $(($2 + 70 * i)) "$3"; done | paste -sd' '; }
