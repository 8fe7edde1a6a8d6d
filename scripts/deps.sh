#!/usr/bin/env bash
# deps.sh GROUP...: installs the Debian packages that the named groups need, quietly, and only
# what is missing. run: build and play the Linux game; package: build the Debian package and
# check the installed files; web: build the browser page; windows: cross-build the Windows game
# and run it under wine; test: everything `make test` uses.
set -eu
group_run="g++ cmake ninja-build make pkg-config libwxgtk3.2-dev libgtk-3-dev libsdl2-mixer-dev libgc-dev
fonts-dejavu-core"
group_package="dpkg-dev file desktop-file-utils appstream groff-base"
# The browser build and its tests: Emscripten (its library cache comes prebuilt) and Chromium.
group_web="emscripten chromium fonts-dejavu-core"
# windows: MinGW-w64 for i686 with POSIX threads, and wine (its 32-bit half from i386) with
# its fonts under a private X server with openbox.
group_windows="g++ cmake ninja-build make g++-mingw-w64-i686-posix binutils-mingw-w64-i686
g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
wine32:i386 fonts-wine xvfb xauth xdotool openbox imagemagick x11-utils"
group_test="$group_run $group_package $group_web $group_windows clang libclang-rt-14-dev
libgtest-dev libbenchmark-dev faketime"
pkgs=""
for g in "${@:-run}"; do
    var="group_$g"
    pkgs="$pkgs ${!var}"
done
missing=""
for p in $pkgs; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing" >&2
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
# wine's 32-bit half comes from the i386 architecture, which a fresh machine does not list.
case $missing in *:i386*)
    dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386 ;;
esac
# Another install may hold the lock for a while: wait for it.
$SUDO apt-get -o DPkg::Lock::Timeout=600 update -qq >/dev/null
# shellcheck disable=SC2086
$SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends $missing >/dev/null
