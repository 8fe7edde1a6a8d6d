#!/usr/bin/env bash
# A human "ABC" and a robot, by keyboard and mouse as a player would: the dialog in its tab
# order, the dice window with a caption alone and keys that reach a command only through its
# mnemonic (two sharing one take turns), keys 1 to 5 holding dice, the sheet chosen with Down,
# Up and Return, the robot's turn, the help clear of the dice window and the player's column
# (opened while throwing and while choosing a row) closed with Escape, and
# "Varning" with its icon and Swedish buttons.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup human "$@"

# The dice of the dice window: the panel's grey strip ends its 88 pixels; the dice are above it.
dice_panel() {
    eval "$(xwininfo -id "$DICE" | sed -n 's/.*Absolute upper-left X: *\([0-9]*\)/DX=\1/p;
        s/.*Absolute upper-left Y: *\([0-9]*\)/DY=\1/p; s/.*Height: *\([0-9]*\)/DH=\1/p')"
    PY=$((DY + DH - 1 - 88))
}
# The five dice as the dice window shows them, e.g. "held3 free5 ...".
dice_shot() { import -window root "$WORK/dice.png" && dice_faces "$WORK/dice.png" $((DX + 1)) "$PY"; }
title() { xdotool getwindowname "$DICE"; }
# outer WINDOW: "X Y W H" on the screen with the window manager's frame.
outer() {
    local x y w h l r t b
    eval "$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *\(-*[0-9]*\)/x=\1/p;
        s/.*Absolute upper-left Y: *\(-*[0-9]*\)/y=\1/p; s/.*Width: *\([0-9]*\)/w=\1/p;
        s/.*Height: *\([0-9]*\)/h=\1/p')"
    read -r l r t b <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ,)"
    echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}
# apart "X Y W H" "X Y W H": the rectangles share no pixel.
apart() {
    local a b
    read -r -a a <<<"$1"
    read -r -a b <<<"$2"
    [ $((a[0] + a[2])) -le "${b[0]}" ] || [ $((b[0] + b[2])) -le "${a[0]}" ] ||
        [ $((a[1] + a[3])) -le "${b[1]}" ] || [ $((b[1] + b[3])) -le "${a[1]}" ]
}
# help_clear SHOT KEY...: the help, opened by the keys on the root window, lies wholly on the
# screen and covers neither the dice window (shown or hidden, it comes back to its place) nor
# ABC's column of the sheet; Escape closes it.
help_clear() {
    local shot=$1 help column h
    shift
    keys "$ROOT" "$@"
    HELP=$(wait_window "Tolvik dyxel ? hjälp") || fail "no help window from $*"
    until_true 10 'xprop -id "$HELP" _NET_FRAME_EXTENTS | grep -q =' || fail "the help is not managed"
    help=$(outer "$HELP")
    column="$((CX + 100)) $CY 40 $((19 * 20 + 4))"
    apart "$help" "$DICE_AT" || fail "the help ($help) covers the dice window ($DICE_AT)"
    apart "$help" "$column" || fail "the help ($help) covers ABC's column ($column)"
    read -r -a h <<<"$help"
    [ "${h[0]}" -ge 0 ] && [ "${h[1]}" -ge 0 ] && [ $((h[0] + h[2])) -le 1280 ] &&
        [ $((h[1] + h[3])) -le 1024 ] || fail "the help is off the screen: $help"
    shot "$shot"
    keys "$HELP" Escape
    wait_gone "Tolvik dyxel ? hjälp" || fail "Escape left the help open"
}

write_state 1 0 1 1 1 0 0 # short robot pauses
start_game
keys "$ROOT" alt+f n
until_true 20 'untitled >/dev/null' || fail "no player dialog"
DIALOG=$(untitled)
# Into the edit field (dialog units 8, 12 of the font's quarter width and eighth height).
eval "$(xwininfo -id "$DIALOG" | sed -n 's/.*Absolute upper-left X: *\([0-9]*\)/GX=\1/p;
    s/.*Absolute upper-left Y: *\([0-9]*\)/GY=\1/p')"
xdotool mousemove $((GX + 30)) $((GY + 35)) sleep 0.05 click 1
keys "$DIALOG" A B C Return # "Lägg till" is the default
keys "$DIALOG" R
# From the edit: "Klar", the list, "Lägg till", "Robot" (ticked), back to "Lägg till".
keys "$DIALOG" Tab Tab Tab Tab space shift+Tab space
shot dialog
keys "$DIALOG" Tab space # "Klar"
DICE=$(wait_window "Spelare: ABC   Kvar: 2") || fail "no dice window"
read -r _ _ decorations _ <<<"$(xprop -id "$DICE" _MOTIF_WM_HINTS | cut -d= -f2 | tr -d ,)"
[ "$decorations" = 0x0 ] || fail "the window manager decorates the dice window: $decorations"
dice_panel
[ "$DX" = 400 ] && [ "$DY" = 100 ] || fail "the dice window is at $DX,$DY"
DICE_AT=$(outer "$DICE")

# Stray keys throw nothing and hold nothing; keys 1 and 2 hold the first two dice.
first=$(dice_shot)
keys "$DICE" space Return 1 2
until_true 10 '[ "$(dice_shot | cut -d" " -f1,2 | tr -d 0-9)" = "held held" ]' ||
    fail "keys 1 and 2 did not hold: $(dice_shot)"
[ "$(title)" = "Spelare: ABC   Kvar: 2" ] || fail "a stray key threw: $(title)"
held=$(dice_shot)
[ "$(echo "$held" | tr -d a-z)" = "$(echo "$first" | tr -d a-z)" ] || fail "a key changed the dice"
shot held
keys "$DICE" alt+k Return # "&Kasta": the first of two commands on K, then Return runs it
until_true 30 '[ "$(title)" = "Spelare: ABC   Kvar: 1" ]' || fail "Alt+K, Return did not throw"
[ "$(dice_shot | cut -d' ' -f1,2)" = "$(echo "$held" | cut -d' ' -f1,2)" ] ||
    fail "the held dice changed"
shot thrown
keys "$DICE" alt+k k Return # the second on K: "&Klar"
wait_gone "Spelare: ABC   Kvar: 1" || fail "Alt+K, K, Return did not end the throwing"

# Down proposes "1:or", again "2:or", Up "1:or" again; Return writes it.
keys "$ROOT" Down Down Up
read -r x y w h <<<"$(cell_box 0 0)"
outlined() { # the purple outline of a proposed cell
    import -window root -crop "${w}x$h+$((CX + x))+$((CY + y))" +repage "$WORK/cell.png" &&
        [ "$(convert "$WORK/cell.png" -fx 'p.r>0.4&&p.b>0.4&&p.g<0.2' \
            -format '%[fx:int(w*h*mean)]' info:)" -gt 20 ]
}
until_true 10 outlined || fail "no outline on 1:or"
keys "$ROOT" Return
DICE=$(wait_window "Spelare: ABC   Kvar: 2" 30) || fail "the turn did not come back after the robot"
client_shot second-turn
[ "$(count_dark "$SHOTS/human-second-turn.png" $((x + 40)) $((y + 20 * 17)) "$w" "$h")" -gt 0 ] ||
    fail "the robot wrote no total"

# "&Spelet" while the dice window is up: the help covers neither it nor ABC's column.
help_clear help-throwing alt+h s

# "&Tips" (H): the dice to keep are held and the expected total joins the title, with the chance
# to win against the robot; with the throwing over, H proposes the best row with its preview.
keys "$DICE" h
until_true 30 '[[ "$(title)" == "Spelare: ABC   Kvar: 2   Tips: "[0-9]*,[0-9]" · vinst "[0-9]*" %" ]]' ||
    fail "no hint in the title: $(title)"
shot hint-dice
keys "$DICE" alt+k k Return
wait_gone "Spelare: ABC   Kvar: 2*" || fail "Klar left the dice window"
keys "$ROOT" h
proposed() { # an outline somewhere in ABC's column
    import -window root -crop "40x360+$((CX + 100))+$((CY + 20))" +repage "$WORK/column.png" &&
        [ "$(convert "$WORK/column.png" -fx 'p.r>0.4&&p.b>0.4&&p.g<0.2' \
            -format '%[fx:int(w*h*mean)]' info:)" -gt 40 ]
}
until_true 10 proposed || fail "the hint proposed no row"
client_shot hint-row

help_clear help-choosing F1

keys "$ROOT" Return
DICE=$(wait_window "Spelare: ABC   Kvar: 2" 30) || fail "no third turn"
keys "$ROOT" alt+f n # a game runs: "Varning", with the stop icon and "Ja", "Nej"
BOX=$(wait_window Varning) || fail "no warning"
shot warning
eval "$(xwininfo -id "$BOX" | sed -n 's/.*Absolute upper-left X: *\(-*[0-9]*\)/BX=\1/p;
    s/.*Absolute upper-left Y: *\(-*[0-9]*\)/BY=\1/p')"
[ "$(convert "$SHOTS/human-warning.png" -crop "60x60+$BX+$BY" -fx 'p.r>0.6&&p.g<0.3' \
    -format '%[fx:int(w*h*mean)]' info:)" -gt 100 ] || fail "no stop icon"
keys "$BOX" alt+n
wait_gone Varning || fail "Alt+N left the box open"
window_id "Spelare: ABC   Kvar: 2" >/dev/null || fail "No gave up the game"
keys "$ROOT" alt+f a
wait_exit 20
[ "$RC" = 0 ] || fail "exit $RC"
echo "human: ok"
