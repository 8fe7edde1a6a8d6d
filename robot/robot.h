// The computer player's whole turn: a fixed greedy heuristic over the current dice and sheet.
#pragma once
#include "core/game.h"

constexpr int32_t NO_CANDIDATE = 18;

extern int32_t rowDesire[ROW_COUNT];
extern int32_t candidates[5]; // slot 4 is the top

// Rows tried, in this order, when no plan works out and "Chans" is already used.
extern const int32_t fallbackOrder[14];

// The ranking's list while it is built, each slot's desirability kept beside its row.
struct CandidateList {
    int32_t row[5]; // NO_CANDIDATE marks an empty slot; slot 4 is the top
    int32_t desire[5];
};
void clearCandidates(CandidateList& list);
// Inserts a row (desirability 0 to 2^25) into a list built only by this function since it was
// cleared.
void insertCandidate(CandidateList& list, int32_t row, int32_t desire);

void robotTurn(DiceThrow& dice);
void rankRows(const DiceThrow& dice);
int32_t chooseRow(DiceThrow& dice, bool commit);
int32_t fallbackRow(int32_t row);
int32_t upperBonusMargin(int32_t player, int32_t row, int32_t n);

// Called after each throw's plan (throw 1 to 3) when set; the simulator traces through it.
extern void (*robotPlanned)(const DiceThrow& dice, int32_t throwNumber);
