// dyxel-sim --review: every decision of a traced game weighed against the optimal strategy.
#pragma once
#include <cstdio>

// Reads a trace (the --trace format) from `in` and prints the review on `out`; returns the exit
// code: 1, with the reason on standard error, at the first line that is not a game's trace.
int RunReview(std::FILE* in, std::FILE* out);
