#include "core/hooks.h"
#include "core/settings.h"

FrontEndHooks frontEnd;
GameServices services;

int32_t seatRobotKind[MAX_SLOTS] = {-1, -1, -1, -1, -1};

RobotKind RobotKindOf(int32_t player) {
    const int32_t own = player >= 0 && player < MAX_SLOTS ? seatRobotKind[player] : -1;
    if (own >= 0 && own < ROBOT_KINDS)
        return static_cast<RobotKind>(own);
    if (extraSettings.championRobots != 0)
        return ROBOT_CHAMPION;
    return extraSettings.expertRobots != 0 ? ROBOT_EXPERT : ROBOT_HEURISTIC;
}

const RobotStrategy& CurrentRobotStrategy() {
    for (int32_t kind = RobotKindOf(gameState.currentPlayer); kind > ROBOT_HEURISTIC; kind--) {
        const RobotStrategy& s = services.robots[kind];
        if (s.plan != nullptr && s.chooseRow != nullptr)
            return s;
    }
    return services.robots[ROBOT_HEURISTIC];
}
