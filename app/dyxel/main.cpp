// The game on Linux: start the toolkit, install the robots, start the expert's table in the
// background, run the game, shut the toolkit down.
#include "expert/expert.h"
#include "platform/window.h"
#include "robot/robot.h"
#include "ui/app.h"

int main() {
    // The command line has no effect, and the toolkit is not handed it either.
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
