#!/usr/bin/env bash
# deb.sh BUILD SIM: packs the build as the Debian package, installs it with apt as a player
# would, plays the installed simulator against the build's own, starts the installed launcher,
# and purges the package again, leaving nothing behind. It changes this machine itself, as root
# (a CI machine), one run at a time, and first removes what an interrupted run left installed.
set -u
build=$(realpath "$1") sim=$(realpath "$2") work=$(mktemp -d)
fail() { echo "FAIL: $*" >&2; exit 1; }
apt_get() { apt-get -qq -y -o DPkg::Lock::Timeout=300 "$@" >"$work/apt.log" 2>&1 || fail "apt-get $*: $(tail -n 5 "$work/apt.log")"; }
installed() { dpkg-query -W -f='${db:Status-Status}' tolvik-dyxel 2>/dev/null | grep -qv '^not-installed$'; }
purge() { if installed; then apt_get purge tolvik-dyxel; fi; }
trap 'purge; rm -rf "$work"' EXIT
[ "$(id -u)" = 0 ] || fail "installs into this machine: run as root"
exec 9>/run/lock/tolvik-dyxel-package-test
flock -w 600 9 || fail "another run of this test holds the lock"
chmod 755 "$work" # apt reads the package as its own unprivileged user

# Under a strict umask the package must still carry directories that everyone can read.
(umask 077 && cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1) ||
    fail "cpack: $(tail -n 5 "$work/cpack.log")"
deb=$work/tolvik-dyxel_3.20_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libgc1 libsdl2-mixer-2.0-0 libwxgtk3.2-1; do
    grep -q "\b$library (>=" <<<"$depends" || fail "Depends lacks $library: $depends"
done
odd=$(dpkg-deb -c "$deb" | awk '$1 ~ /^d/ && ($1 != "drwxr-xr-x" || $2 != "root/root")')
[ -z "$odd" ] || fail "directories not 755 root: $odd"
paths=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\.||; s|/$||' | grep .)
existed=$(while read -r path; do [ -e "$path" ] && echo "$path"; done <<<"$paths")

purge
apt_get install "$deb"
for run in build:"$sim" installed:/usr/bin/dyxel-sim; do
    mkdir "$work/${run%%:*}"
    (cd "$work/${run%%:*}" && "${run#*:}" --robots 2 --time 1700000000 --trace --top-ten >trace) ||
        fail "$run exits $?"
done
for file in trace h_score; do
    cmp "$work/build/$file" "$work/installed/$file" || fail "the installed simulator's $file differs"
done
[ "$(man -w 6 dyxel-sim)" = /usr/share/man/man6/dyxel-sim.6.gz ] || fail "man finds no dyxel-sim(6)"
# The installed launcher reaches the installed game, which finds no display and says so.
env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_DATA_HOME HOME="$work/home" NO_AT_BRIDGE=1 \
    /usr/bin/tolvik-dyxel 2>"$work/err"
[ $? = 1 ] && grep -q "^dyxel: cannot open the display" "$work/err" ||
    fail "launcher: $(cat "$work/err")"
[ -d "$work/home/.local/share/tolvik-dyxel" ] || fail "launcher made no data folder"

apt_get purge tolvik-dyxel
! installed || fail "still installed after the purge"
while read -r path; do
    if [ -e "$path" ] && ! { [ -d "$path" ] && grep -qxF "$path" <<<"$existed"; }; then
        fail "left behind: $path"
    fi
done <<<"$paths"
echo "deb: ok"
