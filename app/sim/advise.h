// dyxel-sim --advise: the optimal move for positions read one a line.
#pragma once
#include <cstdio>

// Answers every line of `in` on `out`; returns the exit code.
int RunAdvise(std::FILE* in, std::FILE* out);
