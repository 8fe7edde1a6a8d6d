// The game's entry once the toolkit runs: start-up, the loop and shutdown. Returns the exit code.
#pragma once
#include <cstdint>

int32_t DyxelMain();
