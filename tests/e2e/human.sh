#!/usr/bin/env bash
# A human "ABC" and a robot: the dice window with its title, two held dice kept by "&Kasta",
# "&Nytt spel" answered No changes nothing, "&Klar", a click previews a row, a double click
# commits it, the robot plays and the human's dice window comes back.
set -u
. "$(dirname "$0")/lib.sh"
e2e_setup human "$@"

write_state 1 0 1 1 1 0 0 # short robot pauses
start_root
shot start
top=$(canvas_top "$SHOTS/human-start.png") || fail "no client area"
new_game ABCDE -r R # three characters of ABCDE are kept

dice=$(wait_window "Spelare: ABC   Kvar: 2" 10) || fail "no dice window titled for ABC"
geometry "$dice"
echo "dice window at $GX,$GY, ${GW}x$GH"
panel=$((GY + GH - 88)) # the client area below the command row
row=$(((GY + panel) / 2))
button() { echo "$((GX + GW * (2 * $1 + 1) / 12)) $row"; } # six equal buttons across
faces() { # faces SHOT: the five dice as the dice window shows them
    local i out=""
    for i in 0 1 2 3 4; do out+="$(die_face "$1" $((GX + 70 * i)) "$panel") "; done
    echo "$out"
}
sleep 0.3
shot first-throw
first=$(faces "$SHOTS/human-first-throw.png")
[[ "$first" != *held* && "$first" != *unknown* ]] || fail "first throw shows: $first"

click $((GX + 32)) $((panel + 32))
click $((GX + 102)) $((panel + 32))
sleep 0.3
shot held
held=$(faces "$SHOTS/human-held.png")
read -r -a a <<<"$first"
read -r -a b <<<"$held"
[ "${b[0]}" = "held${a[0]#free}" ] && [ "${b[1]}" = "held${a[1]#free}" ] || fail "holds: $first -> $held"
[ "${b[2]} ${b[3]} ${b[4]}" = "${a[2]} ${a[3]} ${a[4]}" ] || fail "other dice changed: $first -> $held"

click $(button 0) # "&Kasta"
wait_window "Spelare: ABC   Kvar: 1" 5 >/dev/null || fail "no second throw"
sleep 0.3
shot second-throw
second=$(faces "$SHOTS/human-second-throw.png")
read -r -a c <<<"$second"
[ "${c[0]} ${c[1]}" = "${b[0]} ${b[1]}" ] || fail "held dice changed on the throw: $held -> $second"
[[ "${c[2]}${c[3]}${c[4]}" != *held* ]] || fail "free dice came back held: $second"

# "&Nytt spel" during the game, answered No (Escape): nothing changes.
keys "$ROOT" alt+f n
box=$(wait_window "Varning" 5) || fail "no warning box"
keys "$box" Escape
wait_gone "Varning" 5 || fail "the warning box stays"
sleep 0.3
shot after-no
wait_window "Spelare: ABC   Kvar: 1" 1 >/dev/null || fail "the dice window lost its title"
[ "$(faces "$SHOTS/human-after-no.png")" = "$second" ] || fail "the dice changed after No"
convert "$SHOTS/human-second-throw.png" -crop "310x470+0+$top" +repage "$E2E_WORK/a.png"
convert "$SHOTS/human-after-no.png" -crop "310x470+0+$top" +repage "$E2E_WORK/b.png"
[ "$(compare -metric AE "$E2E_WORK/a.png" "$E2E_WORK/b.png" null: 2>&1)" = 0 ] ||
    fail "the root window changed after No"

# "&Lika" shows pressed in while the mode is on, and plain again after a second press.
lika() { # the button's face in a screenshot
    convert "$1" -crop "$((GW / 5 - 8))x$((panel - GY - 8))+$((GX + GW / 5 + 4))+$((GY + 4))" +repage \
        "$E2E_WORK/lika-$2.png"
}
lika "$SHOTS/human-after-no.png" off
click $(button 1)
xdotool mousemove $((GX + GW / 2)) $((panel + 80)) # away, so that hovering shows nothing
sleep 0.4
shot alike-on
lika "$SHOTS/human-alike-on.png" on
brightness() { convert "$E2E_WORK/lika-$1.png" -colorspace gray -format '%[fx:int(1000*mean)]' info:; }
[ $(($(brightness off) - $(brightness on))) -gt 20 ] || fail "Lika does not show its mode"
click $(button 1)
xdotool mousemove $((GX + GW / 2)) $((panel + 80))
sleep 0.4
shot alike-off
lika "$SHOTS/human-alike-off.png" again
[ $(($(brightness off) - $(brightness again))) -lt 10 ] || fail "Lika still looks on after the second press"

click $(button 4) # "&Klar"
wait_gone "Spelare: ABC   Kvar: 1" 5 || fail "the dice window stays after Klar"
read -r x y w h <<<"$(cell_box 0 15)" # "Chans"
cx=$((x + w / 2))
cy=$((y + top + h / 2))
click "$cx" "$cy"
sleep 0.3
shot preview
read -r r g b <<<"$(pixel "$SHOTS/human-preview.png" "$x" "$cy")"
[ "$r $g $b" = "128 0 128" ] || fail "no preview outline: $r $g $b"
[ "$(count_dark "$SHOTS/human-preview.png" "$x" $((y + top)) "$w" "$h")" -gt 0 ] || fail "no previewed value"

double_click "$cx" "$cy"
wait_window "Spelare: ABC   Kvar: 2" 30 >/dev/null || fail "the dice window did not come back"
sleep 0.3
shot second-turn
read -r r g b <<<"$(pixel "$SHOTS/human-second-turn.png" "$x" "$cy")"
[ "$r $g $b" != "128 0 128" ] || fail "the preview outline stayed after the commit"
[ "$(count_dark "$SHOTS/human-second-turn.png" "$x" $((y + top)) "$w" "$h")" -gt 0 ] || fail "Chans not scored"
robot=0
for r in 0 1 2 3 4 5 8 9 10 11 12 13 14 15 16; do
    read -r x y w h <<<"$(cell_box 1 "$r")"
    robot=$((robot + $(count_dark "$SHOTS/human-second-turn.png" "$x" $((y + top)) "$w" "$h")))
done
[ "$robot" -gt 0 ] || fail "the robot scored nothing"

keys "$ROOT" alt+f a
wait_exit 10
[ "$RC" = 0 ] || fail "exit code $RC"
[ -e h_score ] && fail "an abandoned game reached the top-ten list"
echo "human: ok"
