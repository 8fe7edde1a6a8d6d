// What every build of the game does around its own entry point.
#pragma once
#include <cstdint>

// Puts the turn driver and every robot strategy in the services table.
void InstallRobots();

// Starts the platform, installs the robots and runs the game; the exit code. The expert's table
// is worked out on a thread of its own with `tableInBackground`, else at its first use.
int32_t RunGame(bool tableInBackground);
