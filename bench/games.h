// What the robot benchmarks share: games set up as the simulator plays them.
#pragma once
#include <cstdint>

// Defaults, robots R1 to R`robots` (the expert strategy with `expert`), no windows, the hand-over
// straight to the turn flow, and the calendar counting up from one fixed time.
void SetUpRobotGames(int32_t robots, bool expert);
