#!/bin/sh
# Builds one libFuzzer target with clang++ (whatever compiler the main build uses) and runs it
# briefly over a scratch copy of its seed corpus. Everything it makes stays under <work dir>.
# usage: run_fuzz.sh <target> <source dir> <work dir> [seconds]
set -eu
target=$1
src=$2
work=$3
seconds=${4:-5}
cxx=${DYXEL_FUZZ_CXX:-clang++}
if ! command -v "$cxx" >/dev/null 2>&1; then
    echo "error: $cxx not found; scripts/deps.sh installs clang and its libFuzzer runtime" >&2
    exit 1
fi
mkdir -p "$work"
bin="$work/$target"
# Rebuilt only when a source it is made of is newer than the binary.
if [ ! -x "$bin" ] || [ -n "$(find "$src/fuzz" "$src/store" "$src/core" "$src/platform" \
    "$src/ui/names.cpp" -newer "$bin" \( -name '*.cpp' -o -name '*.h' \) | head -n 1)" ]; then
    # shellcheck disable=SC2046
    "$cxx" -std=c++20 -g -O1 -Wall -Wextra -Werror \
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
        -I"$src" "$src/fuzz/$target.cpp" "$src/fuzz/fuzz_support.cpp" \
        "$src/store/datafile.cpp" "$src/store/settings.cpp" "$src/store/topten.cpp" \
        "$src/platform/posix/datafiles.cpp" "$src/core/settings.cpp" "$src/core/game.cpp" \
        "$src/ui/names.cpp" \
        $(pkg-config --cflags --libs bdw-gc) -o "$bin.new"
    mv "$bin.new" "$bin"
fi
# The fuzzer adds what it finds to the corpus it runs over: give it a copy. Paths are absolute
# because the target moves into a scratch working directory of its own, made in memory when
# possible (the file round trips are the slow part) and removed afterwards.
work=$(cd "$work" && pwd)
rm -rf "$work/corpus"
cp -R "$src/fuzz/corpus/$target" "$work/corpus"
base=$work
[ -d /dev/shm ] && [ -w /dev/shm ] && base=/dev/shm
scratch=$(mktemp -d "$base/dyxel-$target-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cd "$work"
status=0
TMPDIR="$scratch" "$bin" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/corpus" || status=$?
exit "$status"
