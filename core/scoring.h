// What five dice are worth in each row, and how a chosen score enters a sheet.
#pragma once
#include "core/game.h"

void analyseThrow(DiceThrow& dice);
int32_t rowScore(int32_t row, const DiceThrow& dice);
bool commitSelection();
