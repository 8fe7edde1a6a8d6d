# Sourced by the wine tests: which wine runs the Windows build of DYXEL_WINE_BITS (32 or 64).
# The 64-bit build runs under wine64 by its path (the wine wrapper prefers the 32-bit loader
# whenever it is installed). A kernel without 32-bit emulation cannot start the 32-bit loader at
# all: the 32-bit tests then report themselves skipped (exit 77), with the reason in one line.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
case ${DYXEL_WINE_BITS:-32} in
64) WINE=/usr/lib/wine/wine64 WINEARCH=win64 ;;
32) WINE=/usr/lib/wine/wine WINEARCH=win32 ;;
*) echo "FAIL: DYXEL_WINE_BITS is ${DYXEL_WINE_BITS}, not 32 or 64" >&2 && exit 1 ;;
esac
export WINE WINEARCH
[ -x "$WINE" ] || { echo "FAIL: $WINE is missing: run scripts/deps.sh windows" >&2 && exit 1; }
"$WINE" --version >/dev/null 2>&1
case $? in
0) ;;
126) echo "SKIP: this kernel does not run 32-bit x86 programs (32-bit emulation is off): $WINE cannot start" && exit 77 ;;
*) echo "FAIL: $WINE --version fails: $("$WINE" --version 2>&1 | head -n 1)" >&2 && exit 1 ;;
esac
