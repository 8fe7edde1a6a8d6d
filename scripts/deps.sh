#!/usr/bin/env bash
# deps.sh GROUP...: installs the Debian packages that the named groups need, quietly, and only
# what is missing. run: build and play the Linux game; package: build the Debian package and
# check the installed files; web: build the browser page; test: everything `make test` uses.
set -eu
group_run="g++ cmake ninja-build make pkg-config libwxgtk3.2-dev libgtk-3-dev libsdl2-mixer-dev libgc-dev
fonts-dejavu-core"
group_package="dpkg-dev file desktop-file-utils appstream groff-base"
# The browser build and its tests: Emscripten (its library cache comes prebuilt) and Chromium.
group_web="emscripten chromium fonts-dejavu-core"
group_test="$group_run $group_package $group_web clang libclang-rt-14-dev libgtest-dev
libbenchmark-dev xvfb xauth xdotool openbox imagemagick faketime"
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
$SUDO apt-get update -qq >/dev/null
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
