#!/usr/bin/env bash
# prefix.sh create|remove PATH_FILE: the wine prefix of one test run, made once in a temporary
# folder (its path kept in PATH_FILE for the tests), and removed with its wineserver at the end.
set -u
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
case ${1:-} in
create)
    prefix=$(mktemp -d -t dyxel-wine.XXXXXX) || exit 1
    echo "$prefix" >"$2"
    # Without a display: no window of wine's own set-up can wait for anyone.
    if ! env -u DISPLAY WINEPREFIX="$prefix" timeout 120 wineboot -i >/dev/null 2>&1; then
        echo "FAIL: wineboot did not make the prefix within 120 s" >&2
        exit 1
    fi
    WINEPREFIX="$prefix" timeout 30 wineserver -w
    echo "wine prefix ready: $prefix"
    ;;
remove)
    prefix=$(cat "$2" 2>/dev/null) || exit 0
    case $prefix in */dyxel-wine.*) ;; *) echo "FAIL: odd prefix path '$prefix'" >&2; exit 1 ;; esac
    WINEPREFIX="$prefix" timeout 30 wineserver -k 2>/dev/null
    rm -rf "$prefix" "$2"
    ;;
*)
    echo "usage: prefix.sh create|remove PATH_FILE" >&2
    exit 2
    ;;
esac
