#include "core/hooks.h"
#include "core/settings.h"

FrontEndHooks frontEnd;
GameServices services;

const RobotStrategy& CurrentRobotStrategy() {
    const RobotStrategy& expert = services.robots[ROBOT_EXPERT];
    if (extraSettings.expertRobots != 0 && expert.plan != nullptr && expert.chooseRow != nullptr)
        return expert;
    return services.robots[ROBOT_HEURISTIC];
}
