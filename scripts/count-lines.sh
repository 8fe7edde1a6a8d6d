#!/usr/bin/env bash
# The size of the tests against the product: non-blank C++ and shell lines under tests/ and
# fuzz/ over non-blank C++ lines outside tests/, fuzz/ and bench/.
cd "$(dirname "$0")/.." || exit 1
count() { git ls-files -co --exclude-standard "$@" | xargs -r cat | grep -cv '^\s*$'; }
tests=$(count 'tests/*.cpp' 'tests/*.h' 'tests/*.sh' 'fuzz/*.cpp' 'fuzz/*.h' 'fuzz/*.sh')
product=$(git ls-files -co --exclude-standard '*.cpp' '*.h' | grep -v '^\(tests\|fuzz\|bench\)/' |
    xargs -r cat | grep -cv '^\s*$')
echo "tests $tests, product $product, ratio $(awk "BEGIN { printf \"%.3f\", $tests / $product }")"
