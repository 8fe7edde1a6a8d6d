// The generator reference values kept beside the project (DYXEL_TESTDATA): the published ISAAC
// output and the seeded read-outs of both generators.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A value of rng-reference.txt, "section" and "key" as written there; fails the test and returns
// "" when the file or the value is missing.
std::string ReferenceValue(const std::string& section, const std::string& key);

// The blank-separated items of a value, as numbers: hexadecimal words or decimal values.
std::vector<uint32_t> HexWords(const std::string& value);
std::vector<int32_t> Decimals(const std::string& value);

// The 512 words of isaac-randvect.txt in file order; fails the test when the file is missing.
std::vector<uint32_t> RandvectWords();
