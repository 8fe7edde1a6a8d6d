#!/usr/bin/env bash
# measure.sh [BUILD_DIR]: start-up, idle CPU, memory and repaint figures of the game, beside a
# bare wxWidgets frame, under a private Xvfb. Prints a small report; never part of the tests.
# RUNS sets the rounds of the start-up (11), FRAMES_ONLY=1 stops after them. BEFORE=PATH adds an
# earlier build of the game to the rounds, to weigh a change in one run.
set -u
build=$(realpath "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tests/e2e/lib.sh"
game="$build/dyxel"
bare="$build/bench/startup/bare_frame"
probe="$build/bench/startup/first_frame"
for f in "$game" "$bare" "$probe"; do
    [ -x "$f" ] || { echo "measure.sh: $f is not built" >&2; exit 1; }
done
WORK=$(mktemp -d)
cd "$WORK" || exit 1
trap stop_all EXIT
# No window manager: the windows open at the top left, where the probe looks.
start_x 1280x1024 nowm || exit 1
runs=${RUNS:-11}

# Each variant of the start-up: a label, whether the start-up sound is off in "state", and
# the command that starts it.
variants=(
    "bare frame, shown and painted (GDK_GL=disable too)" on "env GDK_GL=disable $bare"
    "dyxel, audio device (SDL's dummy driver)" on "env SDL_AUDIODRIVER=dummy $game"
    "dyxel, no audio device" on "env SDL_AUDIODRIVER=none $game"
    "dyxel, start-up sound off" off "env SDL_AUDIODRIVER=dummy $game"
)
if [ -n "${BEFORE:-}" ]; then
    before=$(realpath "$BEFORE")
    [ -x "$before" ] || { echo "measure.sh: $before is not built" >&2; exit 1; }
    variants+=(
        "before, audio device" on "env SDL_AUDIODRIVER=dummy $before"
        "before, no audio device" on "env SDL_AUDIODRIVER=none $before"
    )
fi
SOUND_OFF='\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\001\000\000\000\260\004\000\000\000\000\000\000'

# The variants take turns, round after round, so that a machine growing busier or calmer
# weighs on all of them alike; then the median of each, with the resident memory of that run.
echo "== start to first frame on screen (median of $runs), resident memory then, main thread's CPU"
# The order turns too, round after round: here the start that always came right after the bare
# frame's ran about a tenth slower than the same program in another place of the round.
count=$((${#variants[@]} / 3))
for round in $(seq "$runs"); do
    for ((k = 0; k < count; k++)); do
        v=$((((k + round) % count) * 3))
        rm -f state h_score
        [ "${variants[v + 1]}" = off ] && printf "$SOUND_OFF" >state
        read -r -a command <<<"${variants[v + 2]}"
        echo "$v $("$probe" 200 150 "${command[@]}" || echo "timeout - -")"
    done
done >"$WORK/frames"
# Each median against the first variant's, the bare frame.
median() { sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'; }
for ((v = 0; v < ${#variants[@]}; v += 3)); do
    printf "%s\t%s\t%s\t%s\n" "${variants[v]}" \
        "$(awk -v v="$v" '$1 == v { print $2 }' "$WORK/frames" | median)" \
        "$(awk -v v="$v" '$1 == v { print $3 }' "$WORK/frames" | median)" \
        "$(awk -v v="$v" '$1 == v { print $4 }' "$WORK/frames" | median)"
done | awk -F'\t' 'NR == 1 { bare = $2; cpu = $4 }
    { printf "%-50s %7.1f ms (%.2fx)  %6.1f MB  %5.1f ms CPU (%.2fx)\n", $1, $2, $2 / bare,
             $3 / 1024, $4, $4 / cpu }'
[ -n "${FRAMES_ONLY:-}" ] && exit 0

echo "== a sound cue, from its trigger to the audio device"
SDL_AUDIODRIVER=dummy "$build/bench/startup/cue_latency"

echo "== idle with the window open (10 s) and peak memory"
rm -f state
"$game" >/dev/null 2>&1 &
pid=$!
until_true 10 'xdotool search --name "^Tolvik dyxel$" >/dev/null' || { echo "no window" >&2; exit 1; }
# Idle once the start-up sound has played and the audio device has closed after its quiet spell.
sleep 5
read -r -a before <<<"$(cut -d' ' -f14,15 "/proc/$pid/stat")"
sleep 10
read -r -a after <<<"$(cut -d' ' -f14,15 "/proc/$pid/stat")"
ticks=$((after[0] + after[1] - before[0] - before[1]))
echo "CPU ticks used in 10 s idle: $ticks (of $(getconf CLK_TCK)/s)"
grep -E 'VmHWM|VmRSS' "/proc/$pid/status" | sed 's/^/dyxel idle /'
kill "$pid"
wait "$pid" 2>/dev/null

echo "== full repaint into the backing store"
"$build/bench/startup/repaint_bench" --benchmark_min_time=1 2>&1 | grep -E '^BM_|^Bench|^---'
