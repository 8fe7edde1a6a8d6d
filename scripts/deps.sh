#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Quiet and quick when all are present.
set -eu
pkgs="g++ clang libclang-rt-14-dev cmake ninja-build make pkg-config libwxgtk3.2-dev libsdl2-mixer-dev libgc-dev
libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick fonts-dejavu-core"
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
