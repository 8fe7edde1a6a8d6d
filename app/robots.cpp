#include "app/game.h"
#include "champion/champion.h"
#include "core/hooks.h"
#include "expert/expert.h"
#include "robot/robot.h"

void InstallRobots() {
    services.robotTurn = robotTurn;
    services.robots[ROBOT_HEURISTIC] = heuristicRobot;
    services.robots[ROBOT_EXPERT] = expertRobot;
    services.robots[ROBOT_CHAMPION] = championRobot;
}
