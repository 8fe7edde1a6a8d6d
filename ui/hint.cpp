#include "ui/hint.h"
#include "core/game.h"
#include "expert/expert.h"
#include "platform/window.h"
#include "ui/dice_window.h"
#include "ui/pointer.h"
#include <cstdio>
#include <cstring>

void ShowHint() {
    const GameState& g = gameState;
    if (g.turnsLeft <= 0 || g.dice == nullptr || g.players[g.currentPlayer].isRobot != 0)
        return;
    const ExpertAdvice advice =
        expertAdvice(g.players[g.currentPlayer].cells, *g.dice, g.throwsLeft);
    if (g.throwsLeft == 0) {
        if (advice.row >= 0)
            ProposeCell(advice.row);
        return;
    }
    if (diceWindowShown == 0)
        return;
    // The advised dice stand as they are: hold-alike mode would hold others besides.
    AlikeModeOff();
    SetHolds(advice.hold);
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.1f", advice.expectedTotal);
    if (char* point = std::strchr(expected, '.'))
        *point = ','; // Swedish decimals
    SetDiceTitle(g.currentPlayer, g.throwsLeft, expected);
}
