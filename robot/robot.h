// The computer player: its whole turn, paced the same for every strategy, and the greedy
// heuristic that the game has always had, which ranks the free rows for the current dice.
#pragma once
#include "core/game.h"
#include "core/hooks.h"

constexpr int32_t NO_CANDIDATE = 18;

extern int32_t rowDesire[ROW_COUNT];
extern int32_t candidates[5]; // slot 4 is the top

// Rows tried, in this order, when no plan works out and "Chans" is already used.
extern const int32_t fallbackOrder[14];

// The turn: three throws, each followed by the strategy's plan, a throw sound and a pause;
// then the strategy's row is committed and the turn handed on.
void robotTurn(DiceThrow& dice);

// The heuristic, as the strategy table's entry and in its parts.
extern const RobotStrategy heuristicRobot;
void rankRows(const DiceThrow& dice);
int32_t chooseRow(DiceThrow& dice, bool commit);
int32_t fallbackRow(int32_t row);
int32_t upperBonusMargin(int32_t player, int32_t row, int32_t n);

// Called after each throw's plan (throw 1 to 3) when set; the simulator traces through it.
extern void (*robotPlanned)(const DiceThrow& dice, int32_t throwNumber);
