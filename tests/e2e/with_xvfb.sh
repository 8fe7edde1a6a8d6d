#!/usr/bin/env bash
# with_xvfb.sh COMMAND ARGS...: runs a command against a private X server.
set -u
. "$(dirname "$0")/lib.sh"
trap stop_all EXIT
start_xvfb || exit 1
"$@"
