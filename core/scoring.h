// What five dice are worth in each row, and how a chosen score enters a sheet.
#pragma once
#include "core/game.h"

void analyseThrow(DiceThrow& dice);
int32_t rowScore(int32_t row, const DiceThrow& dice);
// What writing a row of a player's sheet with these dice would do: the row's score and the
// sheet's "summa", "bonus" and "Total" afterwards. The commit writes it; the preview shows it.
struct ScoreChange {
    int32_t score;
    int32_t sum;
    int32_t bonus;       // the "bonus" cell afterwards: 0 or 50
    int32_t bonusGained; // 50 when this write wins the bonus
    int32_t total;
};
ScoreChange scoreChange(int32_t player, int32_t row, const DiceThrow& dice);

bool commitSelection();
