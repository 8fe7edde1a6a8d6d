#!/usr/bin/env bash
# advise.sh SIMULATOR: dyxel-sim --advise on positions whose answers are known by hand.
set -u
sim=$1
# Position => answer. USED: 1:or .. 6:or, 1 par .. Dyxel.
cases='
111111111111101 0 12356 2 => keep 56
111111111111101 0 12456 1 => keep 456
111111111111101 0 66666 2 => keep 66666
111111111111110 0 22335 2 => keep 22
111111111111110 0 12346 1 => keep 1
011111111111111 62 23456 1 => keep -
111110111111111 45 66612 0 => row 5
111111111111100 0 66666 0 => row 16
111111111111100 0 12345 0 => row 16
000000000000000 5 12345 2 => error SUMMA cannot be reached with these upper rows
111111111111111 0 12345 0 => error no free row
00000000000000 0 12345 2 => error USED must be 15 characters 0 or 1
000000000000000 0 12375 2 => error DICE must be five pips 1 to 6
 => error expected USED SUMMA DICE THROWS
000000000000000 0 12345 3 => error THROWS must be 2, 1 or 0'
# Notes: keeping one die for "Dyxel" with one throw left ties with throwing all five (1/1296
# each), and the larger keep wins; of the pairs 22 and 33 the first wins. With 12345, scratching
# "Dyxel" (0 + 70/3) beats "Chans" (15 + 2.30).
input=$(sed -n 's/ *=>.*//p' <<<"$cases")
expected=$(sed -n 's/.*=> //p' <<<"$cases")
got=$(timeout 120 "$sim" --advise <<<"$input") || { echo "FAIL: exit $?"; exit 1; }
if [ "$got" != "$expected" ]; then
    echo "FAIL: --advise answered otherwise:"
    diff <(echo "$expected") <(echo "$got")
    exit 1
fi
echo "advise: $(wc -l <<<"$expected") positions answered as expected"
