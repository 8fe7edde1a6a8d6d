#!/usr/bin/env bash
# golden.sh PREFIX_FILE DYXEL_SIM_EXE: every golden simulator run replayed with the Windows
# simulator under wine (the system C library's rand, the Windows data files) must leave the
# same bytes as the Linux one.
set -u
. "$(dirname "$0")/wine.sh"
prefix=$(cat "$1" 2>/dev/null)
[ -d "$prefix" ] || { echo "FAIL: no wine prefix (see wine_prefix_setup)" >&2; exit 1; }
[ -f "$2" ] || { echo "FAIL: $2 is not built: run make windows" >&2; exit 1; }
export WINEPREFIX=$prefix
unset DISPLAY
timeout 240 "$(dirname "$0")/../golden/replay.sh" "$WINE" "$(realpath "$2")"
status=$?
timeout 30 wineserver -k 2>/dev/null
exit $status
