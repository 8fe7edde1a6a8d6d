#!/usr/bin/env bash
# measure.sh SIM [OTHER_SIM] [ROUNDS]: the whole process up to the first answer of
# `dyxel-sim --advise` (the table built, then one position) on one CPU and on two: wall time,
# processor time and peak resident memory. Two simulators run in turns, round by round, so that
# the machine's other load falls on both alike. Prints each one's medians and largest peak.
set -eu
sims=("$1")
[ $# -ge 2 ] && [ -n "$2" ] && sims+=("$2")
rounds=${3:-5}
position='000000000000000 0 12345 2'
median() { tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
for cpus in 0 0,1; do
    declare -A wall=() cpu=() peak=()
    for ((r = 0; r < rounds; r++)); do
        for s in "${sims[@]}"; do
            out=$({ /usr/bin/time -f '%e %U %S %M' taskset -c "$cpus" "$s" --advise \
                <<<"$position" >/dev/null; } 2>&1 | tail -1)
            read -r e u sy m <<<"$out"
            wall[$s]+="$e "
            cpu[$s]+="$(awk "BEGIN {print $u + $sy}") "
            [ "${peak[$s]:-0}" -lt "$m" ] && peak[$s]=$m
        done
    done
    for s in "${sims[@]}"; do
        echo "cpus $cpus  $s: wall $(median <<<"${wall[$s]}") s, processor" \
            "$(median <<<"${cpu[$s]}") s (medians of $rounds), peak ${peak[$s]} kB"
    done
    unset wall cpu peak
done
