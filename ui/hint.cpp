#include "ui/hint.h"
#include "core/game.h"
#include <cstdio>
#include <cstring>

bool CurrentAdvice(ExpertAdvice* advice) {
    const GameState& g = gameState;
    if (g.turnsLeft <= 0 || g.dice == nullptr || g.players[g.currentPlayer].isRobot != 0)
        return false;
    *advice = expertAdvice(g.players[g.currentPlayer].cells, *g.dice, g.throwsLeft);
    return true;
}

void FormatExpected(double total, char out[24]) {
    std::snprintf(out, 24, "%.1f", total);
    if (char* point = std::strchr(out, '.'))
        *point = ','; // Swedish decimals
}
