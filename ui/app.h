// The game's entry once the toolkit runs: start-up, the loop and shutdown. Returns the exit code.
#pragma once
#include <cstdint>

int32_t DyxelMain();

// Whether the expert's table may be worked out on a thread of its own (the browser has none).
// It is started when a player opens the new-game dialog, not at start-up: the first frame and
// the memory of a game nobody has begun do not wait for it.
extern bool expertTableInBackground;
