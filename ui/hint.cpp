#include "ui/hint.h"
#include "core/game.h"
#include "core/settings.h"
#include <cstdio>
#include <cstring>

bool CurrentAdvice(ExpertAdvice* advice) {
    const GameState& g = gameState;
    if (g.turnsLeft <= 0 || g.dice == nullptr || g.players[g.currentPlayer].isRobot != 0)
        return false;
    const int32_t* cells = g.players[g.currentPlayer].cells;
    // Under "&3 Kast" the count stays at 1 until "&Klar": throwing never runs out.
    if (g.throwsLeft > 0 && SettingOn(&Settings::unlimitedThrows))
        *advice = expertAdviceUnlimited(cells, *g.dice);
    else
        *advice = expertAdvice(cells, *g.dice, g.throwsLeft);
    return true;
}

void FormatExpected(double total, char out[24]) {
    std::snprintf(out, 24, "%.1f", total);
    if (char* point = std::strchr(out, '.'))
        *point = ','; // Swedish decimals
}
