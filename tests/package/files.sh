#!/usr/bin/env bash
# files.sh BUILD SOURCE: installs the build under a scratch root with a prefix of its own and
# checks what a desktop reads there: exactly the expected files, a valid desktop entry naming
# the launcher under that prefix, valid AppStream data that finds the entry, icons that decode
# at their sizes, and a manual page that renders cleanly and names every option of --help.
set -u
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
prefix=/opt/tolvik
dir=$root$prefix
DESTDIR=$root cmake --install "$1" --prefix $prefix >/dev/null || fail "cmake --install"
want="bin/dyxel bin/dyxel-sim bin/tolvik-dyxel share/applications/tolvik-dyxel.desktop
share/icons/hicolor/256x256/apps/tolvik-dyxel.png share/icons/hicolor/48x48/apps/tolvik-dyxel.png
share/man/man6/dyxel-sim.6.gz share/metainfo/org.example.tolvik_dyxel.metainfo.xml"
got=$(cd "$dir" && find . -type f | cut -c3- | sort)
[ "$got" = "$(tr ' ' '\n' <<<"$want" | sort)" ] || fail "installed files:"$'\n'"$got"

entry=$dir/share/applications/tolvik-dyxel.desktop
hints=$(desktop-file-validate "$entry" 2>&1) && [ -z "$hints" ] || fail "desktop entry: $hints"
grep -qx "Exec=$prefix/bin/tolvik-dyxel" "$entry" || fail "entry does not run $prefix's launcher"
appstreamcli validate --no-net --strict "$dir"/share/metainfo/*.xml >/dev/null &&
    appstreamcli validate-tree --no-net --strict "$dir" >/dev/null || fail "AppStream data"

for size in 48 256; do
    icon=$dir/share/icons/hicolor/${size}x$size/apps/tolvik-dyxel.png
    [ "$(identify -format '%w %h %[channels]' "$icon")" = "$size $size srgba" ] || fail "icon $size"
done
# The small icon is the window's own, pixel for pixel.
cmp -s <(convert "$dir/share/icons/hicolor/48x48/apps/tolvik-dyxel.png" rgba:-) \
    <(convert "$2/res/pic/icon.bmp" rgba:-) || fail "the 48 pixel icon is not the window's"

page=$(zcat "$dir/share/man/man6/dyxel-sim.6.gz")
warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 <<<"$page" 2>&1)
[ -z "$warnings" ] || fail "manual page: $warnings"
text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l - <<<"$page" 2>/dev/null)
for option in $("$dir/bin/dyxel-sim" --help | grep -o -- '--[a-z-]*' | sort -u); do
    grep -q -- "$option" <<<"$text" || fail "manual page lacks $option"
done
echo "files: ok"
