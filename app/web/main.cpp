// The game in the browser: start the page's platform, install the robots, run the game. The
// page going away saves the options as the normal shutdown would.
#include "platform/web/session.h"
#include "platform/window.h"
#include "robot/robot.h"
#include "store/settings.h"
#include "ui/app.h"

int main() {
    if (!PlatformStart())
        return 1;
    services.robotTurn = robotTurn;
    services.robots[ROBOT_HEURISTIC] = heuristicRobot;
    sessionEndingFallback = [] { SaveSettings(settings); };
    const int32_t code = DyxelMain();
    PlatformStop();
    return code;
}
