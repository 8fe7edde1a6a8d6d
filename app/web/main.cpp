// The game in the browser: start the page's platform, install the robots, run the game. The
// expert's table is computed at its first use: the page has no threads.
#include "expert/expert.h"
#include "platform/window.h"
#include "robot/robot.h"
#include "ui/app.h"

int main() {
    if (!PlatformStart())
        return 1;
    services.robotTurn = robotTurn;
    services.robots[ROBOT_HEURISTIC] = heuristicRobot;
    services.robots[ROBOT_EXPERT] = expertRobot;
    startExpertTable(false);
    const int32_t code = DyxelMain();
    PlatformStop();
    return code;
}
