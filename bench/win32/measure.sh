#!/usr/bin/env bash
# measure.sh [BUILD_DIR] [WINDOWS_BUILD_DIR]: the Windows game under wine, beside a bare Win32
# window: start to first painted frame (wineserver already running, and cold), idle CPU, and the
# sizes of dyxel.exe and the zip. Prints a small report; never part of the tests.
set -u
build=$(realpath "${1:-build}")
wbuild=$(realpath "${2:-build-windows}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tests/win32/lib.sh"
probe="$build/bench/startup/first_frame"
bare="$build/bench/win32/bare_window.exe"
game="$wbuild/dyxel.exe"
zip=$(ls "$wbuild"/tolvik-dyxel-*-win32.zip 2>/dev/null | head -n1)
for f in "$probe" "$bare" "$game" "$zip"; do
    [ -f "$f" ] || { echo "measure.sh: ${f:-the zip} is not built (make windows, make bench)" >&2; exit 1; }
done

WORK=$(mktemp -d)
cd "$WORK" || exit 1
prefix=$(mktemp -d -t dyxel-wine.XXXXXX)
wine_env "$prefix"
trap 'stop_all; rm -rf "$prefix"' EXIT
env -u DISPLAY timeout 120 wineboot -i >/dev/null 2>&1 || { echo "measure.sh: wineboot failed" >&2; exit 1; }
start_x 1024x768 || exit 1
runs=${RUNS:-7}

# The probe's pixel must be free of the last run's window before the next one starts.
felt_gone() {
    local end=$((SECONDS + 10)) r g b
    while [ "$SECONDS" -le "$end" ]; do
        import -window root "$WORK/screen.png"
        read -r r g b <<<"$(pixel "$WORK/screen.png" 200 150)"
        [ "$g" -le $((r + 30)) ] && return 0
        sleep 0.1
    done
    return 1
}

# The median over several runs of the time until a pixel of the client area turns felt green,
# with the resident memory of that run. Cold: wineserver and wine's own services start anew.
first_frame() { # LABEL cold|warm EXE
    local label=$1 mode=$2 exe=$3
    for _ in $(seq "$runs"); do
        rm -f state h_score
        if [ "$mode" = cold ]; then
            timeout 30 wineserver -k 2>/dev/null
            timeout 30 wineserver -w 2>/dev/null
        fi
        felt_gone || { echo "timeout -"; continue; }
        "$probe" 200 150 wine "$exe" || echo "timeout -"
    done | sort -n | awk -v label="$label" \
        '{ t[NR] = $1; m[NR] = $2 } END { i = int((NR + 1) / 2); printf "%-44s %7.1f ms  %6.1f MB\n", label, t[i], m[i] / 1024 }'
}

echo "== start to first frame under wine (median of $runs), resident memory then"
wineserver -p
"$probe" 200 150 wine "$bare" >/dev/null # wine's own services up before the first measured run
first_frame "bare Win32 window, wineserver running" warm "$bare"
first_frame "dyxel.exe, wineserver running" warm "$game"
first_frame "bare Win32 window, cold wine" cold "$bare"
first_frame "dyxel.exe, cold wine" cold "$game"

echo "== idle with the window open (10 s)"
rm -f state h_score
felt_gone
wine "$game" >/dev/null 2>&1 &
pid=$!
wait_window "Tolvik dyxel" 60 >/dev/null || { echo "no window" >&2; exit 1; }
sleep 2
server=$(pgrep -n -x wineserver)
read -r -a before <<<"$(cut -d' ' -f14,15 "/proc/$pid/stat") $(cut -d' ' -f14,15 "/proc/$server/stat")"
sleep 10
read -r -a after <<<"$(cut -d' ' -f14,15 "/proc/$pid/stat") $(cut -d' ' -f14,15 "/proc/$server/stat")"
echo "CPU ticks in 10 s idle: dyxel.exe $((after[0] + after[1] - before[0] - before[1])), wineserver $((after[2] + after[3] - before[2] - before[3])) (of $(getconf CLK_TCK)/s)"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null

echo "== sizes"
for f in "$game" "$wbuild/dyxel-sim.exe" "$zip"; do
    printf "%-32s %8d bytes\n" "$(basename "$f")" "$(stat -c %s "$f")"
done
