#!/usr/bin/env bash
# Mutation testing: applies each mutation of scripts/mutations.txt on its own to the product
# code, rebuilds, runs the fast tests (all but the labels e2e, wx, wine, web, fuzz, package)
# and counts the mutants that they kill. Works on a private copy of the tree, so the checkout
# is never left mutated.
#   scripts/mutate.sh [FIRST [LAST]]   mutations FIRST..LAST (1-based) of the list
# A line of the list is "FILE :: OLD :: NEW", OLD and NEW literal text with <br> for a line break;
# OLD must occur exactly once in FILE. The report lists every survivor.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
list=$root/scripts/mutations.txt
first=${1:-1}
last=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src"
(cd "$root" && git ls-files -co --exclude-standard -z | tar --null -T - -cf -) |
    tar -xf - -C "$work/src"
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDYXEL_FUZZ=OFF -DDYXEL_BENCH=OFF >/dev/null || exit 1
cmake --build "$work/build" >/dev/null || { echo "the unmutated tree does not build"; exit 1; }
fast() { (cd "$work/build" && ctest -LE 'e2e|wx|wine|web|fuzz|package' -j2 --timeout 120 \
    --stop-on-failure >/dev/null 2>&1); }
fast || { echo "the unmutated tree fails its fast tests"; exit 1; }

n=0 tried=0 killed=0 stillborn=0
survivors=""
while IFS= read -r line; do
    case $line in '' | '#'*) continue ;; esac
    n=$((n + 1))
    [ "$n" -lt "$first" ] || [ "$n" -gt "$last" ] && continue
    file=${line%% :: *}
    rest=${line#* :: }
    old=${rest%% :: *}
    new=${rest#* :: }
    target=$work/src/$file
    cp "$target" "$work/saved"
    if ! OLD=$old NEW=$new perl -0777 -i -pe '
        BEGIN { ($o, $n) = map { s/<br>/\n/gr } @ENV{qw(OLD NEW)} }
        $c = () = /\Q$o\E/g; die "count $c\n" if $c != 1; s/\Q$o\E/$n/' "$target" 2>/dev/null
    then
        echo "mutation $n does not apply: $line"
        cp "$work/saved" "$target"
        continue
    fi
    tried=$((tried + 1))
    if ! cmake --build "$work/build" >/dev/null 2>&1; then
        stillborn=$((stillborn + 1))
        echo "mutation $n does not compile: $line"
    elif fast; then
        survivors+="  $n: $line"$'\n'
        echo "mutation $n survives"
    else
        killed=$((killed + 1))
        echo "mutation $n killed"
    fi
    cp "$work/saved" "$target"
    touch "$target"
done <"$list"
cmake --build "$work/build" >/dev/null 2>&1
counted=$((tried - stillborn))
echo "killed $killed of $counted mutants ($((counted ? 100 * killed / counted : 0)) %)"
[ -n "$survivors" ] && printf 'survivors:\n%s' "$survivors"
exit 0
