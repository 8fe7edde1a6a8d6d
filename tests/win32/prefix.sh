#!/usr/bin/env bash
# prefix.sh create|remove PATH_FILE: the wine prefix of one test run, made once in a temporary
# folder (its path kept in PATH_FILE for the tests), and removed with its wineserver at the end.
set -u
. "$(dirname "$0")/wine.sh"
case ${1:-} in
create)
    prefix=$(mktemp -d -t dyxel-wine.XXXXXX) || exit 1
    echo "$prefix" >"$2"
    # Without a display: no window of wine's own set-up can wait for anyone.
    env -u DISPLAY WINEPREFIX="$prefix" timeout 120 "$WINE" wineboot -i >"$prefix.log" 2>&1
    status=$?
    if [ "$status" = 124 ]; then
        echo "FAIL: wineboot did not make the prefix within 120 s" >&2
        exit 1
    elif [ "$status" != 0 ]; then
        echo "FAIL: wineboot failed with exit code $status: $(grep -v '^\s*$' "$prefix.log" | head -n 3)" >&2
        exit 1
    fi
    rm -f "$prefix.log"
    WINEPREFIX="$prefix" timeout 30 wineserver -w
    echo "wine prefix ready ($WINEARCH): $prefix"
    ;;
remove)
    prefix=$(cat "$2" 2>/dev/null) || exit 0
    case $prefix in */dyxel-wine.*) ;; *) echo "FAIL: odd prefix path '$prefix'" >&2; exit 1 ;; esac
    WINEPREFIX="$prefix" timeout 30 wineserver -k 2>/dev/null
    rm -rf "$prefix" "$prefix.log" "$2"
    ;;
*)
    echo "usage: prefix.sh create|remove PATH_FILE" >&2
    exit 2
    ;;
esac
