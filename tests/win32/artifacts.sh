#!/usr/bin/env bash
# artifacts.sh WINDOWS_BUILD: the 32-bit and 64-bit programs are built for their machines, as GUI
# and console programs, and need no DLL beyond Windows' own.
set -u
failed=0
check() { # FILE WANTED_FILE_OUTPUT
    local got
    got=$(file -b "$1" 2>&1)
    [[ $got == $2* ]] || { echo "FAIL: $1 is '$got', not '$2'"; failed=1; }
    # Windows' own DLLs only: nothing of MinGW's runtime may have to travel beside the program.
    local dlls
    dlls=$(objdump -p "$1" 2>/dev/null | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' |
        grep -v -x -E 'kernel32.dll|user32.dll|gdi32.dll|winmm.dll|msvcrt.dll|advapi32.dll|comctl32.dll|shell32.dll|comdlg32.dll|api-ms-win-.*')
    [ -z "$dlls" ] || { echo "FAIL: $1 needs $(echo "$dlls" | paste -sd' ')"; failed=1; }
}
check "$1/dyxel.exe" "PE32 executable (GUI) Intel 80386"
check "$1/dyxel-sim.exe" "PE32 executable (console) Intel 80386"
check "$1/x64/dyxel.exe" "PE32+ executable (GUI) x86-64"
check "$1/x64/dyxel-sim.exe" "PE32+ executable (console) x86-64"
for zip in "$1/tolvik-dyxel-"*-win32.zip "$1/x64/tolvik-dyxel-"*-win64.zip; do
    [ -s "$zip" ] || { echo "FAIL: no $zip"; failed=1; }
done
[ "$failed" = 0 ] && echo "windows builds: ok"
