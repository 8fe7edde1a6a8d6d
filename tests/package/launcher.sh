#!/usr/bin/env bash
# launcher.sh LAUNCHER: the menu's launcher, beside a stand-in for the game that reports where it
# runs and what it was given, starts the game in the player's data folder, made private when
# missing, for every form of XDG_DATA_HOME; and still starts it when the folder is unusable.
set -u
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir -p "$t/bin" "$t/links" "$t/start"
cp "$1" "$t/bin/tolvik-dyxel"
ln -s ../bin/tolvik-dyxel "$t/links/tolvik-dyxel"
printf '#!/bin/sh\n{ pwd; printf "%%s\\n" "$@"; } >"$REPORT"\nexit 7\n' >"$t/bin/dyxel"
chmod +x "$t/bin/dyxel"
touch "$t/a-file"
export REPORT=$t/report
# XDG_DATA_HOME ("unset", or @ for the scratch folder) | launcher | the game's folder under @
while IFS='|' read -r xdg launcher folder; do
    xdg=${xdg//@/$t}
    rm -f "$REPORT"
    if [ "$xdg" = unset ]; then unset XDG_DATA_HOME; else export XDG_DATA_HOME=$xdg; fi
    (cd "$t/start" && HOME="$t/the home" "$t/$launcher" one "two words" 2>"$t/err")
    rc=$?
    case=" (XDG_DATA_HOME $xdg, $launcher)"
    [ "$rc" = 7 ] || fail "exit code $rc instead of the game's$case"
    [ "$(cat "$REPORT")" = "$t/$folder"$'\none\ntwo words' ] || fail "game saw: $(cat "$REPORT")$case"
    if [ "$folder" = start ]; then
        grep -q "cannot use" "$t/err" || fail "no word on the unusable folder$case"
    else
        [ "$(stat -c %a "$t/$folder")" = 700 ] || fail "folder not private$case"
    fi
done <<'TABLE'
unset|bin/tolvik-dyxel|the home/.local/share/tolvik-dyxel
|bin/tolvik-dyxel|the home/.local/share/tolvik-dyxel
relative/data|links/tolvik-dyxel|the home/.local/share/tolvik-dyxel
@/data|links/tolvik-dyxel|data/tolvik-dyxel
@/a-file|bin/tolvik-dyxel|start
TABLE
echo "launcher: ok"
