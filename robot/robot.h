// The computer player's whole turn: a fixed greedy heuristic over the current dice and sheet.
#pragma once
#include "core/game.h"

constexpr int32_t NO_CANDIDATE = 18;

extern int32_t rowDesire[ROW_COUNT];
extern int32_t candidates[5]; // slot 4 is the top

void robotTurn(DiceThrow& dice);
void rankRows(const DiceThrow& dice);
int32_t chooseRow(DiceThrow& dice, bool commit);
int32_t fallbackRow(int32_t row);
int32_t upperBonusMargin(int32_t player, int32_t row, int32_t n);
