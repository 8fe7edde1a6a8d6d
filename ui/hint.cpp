#include "ui/hint.h"
#include "champion/champion.h"
#include "core/game.h"
#include "core/settings.h"
#include <cstdio>
#include <cstring>

bool CurrentAdvice(ExpertAdvice* advice, double* winChance) {
    const GameState& g = gameState;
    if (g.turnsLeft <= 0 || g.dice == nullptr || g.players[g.currentPlayer].isRobot != 0)
        return false;
    const int32_t* cells = g.players[g.currentPlayer].cells;
    if (winChance != nullptr)
        *winChance = -1;
    // Under "&3 Kast" the count stays at 1 until "&Klar": throwing never runs out, which only
    // the expected total's advice counts on.
    if (g.throwsLeft > 0 && SettingOn(&Settings::unlimitedThrows)) {
        *advice = expertAdviceUnlimited(cells, *g.dice);
        return true;
    }
    *advice = expertAdvice(cells, *g.dice, g.throwsLeft);
    const ChampionAdvice c = championAdvice(g.currentPlayer, *g.dice, g.throwsLeft);
    if (c.hasOpponents) {
        for (int32_t i = 0; i < 5; i++)
            advice->hold[i] = c.hold[i];
        advice->row = c.row;
        advice->expectedTotal = c.expectedTotal;
        if (winChance != nullptr)
            *winChance = c.winChance;
    }
    return true;
}

void FormatHint(double total, double winChance, char out[48]) {
    char expected[24];
    FormatExpected(total, expected);
    if (winChance < 0)
        std::snprintf(out, 48, "%s", expected);
    else
        std::snprintf(out, 48, "%s \xb7 vinst %d %%", expected,
                      static_cast<int>(winChance * 100 + 0.5));
}

void FormatExpected(double total, char out[24]) {
    std::snprintf(out, 24, "%.1f", total);
    if (char* point = std::strchr(out, '.'))
        *point = ','; // Swedish decimals
}
