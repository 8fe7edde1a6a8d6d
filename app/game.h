// What every build of the game does around its own entry point.
#pragma once
#include <cstdint>

// Puts the turn driver and every robot strategy in the services table.
void InstallRobots();

// Starts the platform, installs the robots, starts the expert's table (on a thread of its own
// with `tableInBackground`, else at its first use) and runs the game; the exit code.
int32_t RunGame(bool tableInBackground);
