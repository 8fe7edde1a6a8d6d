// Optimal play: the strategy that maximises the expected final "Total" of one sheet, worked out
// once per run by backward induction over every sheet state, and the advice drawn from it.
//
// A sheet state is the set of used rows (bit i for the i-th row a player chooses, in sheet order:
// "1:or" to "6:or", then "1 par" to "Dyxel") and "summa" capped at 63. Its value is the expected
// sum of every score and bonus still to come when every later decision is optimal.
#pragma once
#include "core/game.h"
#include "core/hooks.h"
#include <cstdint>

constexpr int32_t EXPERT_ROWS = 15;
constexpr int32_t EXPERT_SUMS = 64; // "summa" 0 to 62, and 63 for 63 or more
constexpr uint32_t EXPERT_ALL_USED = (1u << EXPERT_ROWS) - 1;

// The table: 2^15 x 64 values, computed once per run. With `inBackground` a thread starts it now
// and this returns at once; without (the browser build has no threads) it is computed on the
// caller's thread at its first use. Later calls do nothing.
void startExpertTable(bool inBackground);
// Where the table is computed on the windows' own thread (the browser): the windows paint
// between slices of its work, at most a few tens of milliseconds each.
extern bool expertInSlices;
// True once the table is complete: reading it no longer waits.
bool expertTableReady();
// Waits until the table is complete, computing it here if nobody has started it in the
// background.
void waitExpertTable();
// The value still to come for a sheet state; waits for the table. 0 for a full sheet.
double expertValue(uint32_t used, int32_t upperSum);
// Whether a game can reach "summa" with exactly these upper rows used.
bool expertSheetReachable(uint32_t used, int32_t upperSum);

// The set of used rows of a player's cells, and the sheet row of a bit.
uint32_t expertUsedRows(const int32_t* cells);
int32_t expertRowOf(int32_t bit);

// The robot strategy: after throws 1 and 2 it holds the optimal keep (all five dice to stand),
// after throw 3 it holds nothing; it writes the optimal row.
extern const RobotStrategy expertRobot;
// The sounds a robot's row makes as it writes it: five alike, the bonus won, a row crossed out.
void CueRowSounds(int32_t player, int32_t row, const DiceThrow& d);

// The hint: what to do now for a player's cells and the analysed dice.
struct ExpertAdvice {
    int32_t hold[5];      // with throws left: 1 for each die position of the optimal keep
    int32_t row;          // without: the row to write (a ScoreRow); -1 while throws are left
    double expectedTotal; // "Total" now plus the value still to come under optimal play
};
// `throwsLeft` is 2, 1 or 0; the dice need only their faces.
ExpertAdvice expertAdvice(const int32_t* cells, const DiceThrow& dice, int32_t throwsLeft);

// The review: what one choice is worth, as the expected sum still to come once it is made
// ("Total" now not included), to weigh a player's choice against the advice. A keep holds
// `keep[f]` dice of each face with `throwsLeft` 2 or 1 throws to come; a row is written with the
// dice's faces. -1 for a keep of more than five dice or a row that is not free.
double expertKeepWorth(const int32_t* cells, const int32_t keep[6], int32_t throwsLeft);
double expertRowWorth(const int32_t* cells, const DiceThrow& dice, int32_t row);
// The same while throws are left under "&3 Kast", where throwing ends only when the player
// stops: a player who throws on reaches the best stopping roll in the end, so the advice holds
// the keep that reaches one in the fewest throws expected (all five dice once there), and the
// total counts that roll's row, and later turns at the table's three throws.
ExpertAdvice expertAdviceUnlimited(const int32_t* cells, const DiceThrow& dice);
