// The game on Windows: install the robots, start the expert's table in the background, run the
// game. The command line has no effect.
#include "expert/expert.h"
#include "platform/window.h"
#include "robot/robot.h"
#include "ui/app.h"
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (!PlatformStart())
        return 1;
    services.robotTurn = robotTurn;
    services.robots[ROBOT_HEURISTIC] = heuristicRobot;
    services.robots[ROBOT_EXPERT] = expertRobot;
    startExpertTable(true);
    const int32_t code = DyxelMain();
    PlatformStop();
    return code;
}
