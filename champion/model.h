// The champion's picture of the table: each player's final total as a distribution, and what a
// final total of the champion's own is worth for the win against them.
#pragma once
#include "core/game.h"
#include <cstdint>
#include <vector>

constexpr int32_t TOTALS = 384; // every final total a sheet can reach (374 at most)
constexpr int32_t BONUS_POINTS = 50;
constexpr int32_t BONUS_SUM = 63;
// Opponents with this many free rows or fewer are followed exactly under the expert's play.
constexpr int32_t EXACT_OPPONENT_ROWS = 6;
// A tie-break worth far less than any chance of winning: among moves equally good for the win
// (a decided game) the champion takes the higher expected total.
constexpr double POINT_WORTH = 1e-7;

// Called between pieces of work, each a few milliseconds at most: where a decision runs on the
// windows' own thread, it lets them paint now and then. Null: nothing.
extern void (*championBreather)();
inline void Breathe() {
    if (championBreather != nullptr)
        championBreather();
}

// "summa" as the expert's table reads it, and the same for every state that can win no more bonus.
int32_t settledSum(uint32_t used, int32_t upperSum);

// The spread of everything still to come on a sheet state under the expert's play: exact for a
// sheet with at most EXACT_OPPONENT_ROWS free rows, a normal spread around the expert's value
// otherwise, its mean scaled by `meanShare` (1 for the expert). Entry i is the chance of i more
// points.
std::vector<double> remainingSpread(uint32_t used, int32_t upperSum, double meanShare = 1.0);

// A normal spread of `mean` and `variance` over whole points 0 to TOTALS - 1.
std::vector<double> normalSpread(double mean, double variance);

// The variance of everything still to come under the expert's play, by free rows (0 to 15),
// measured once over seeded expert games against the expert's own values.
double remainingVariance(int32_t freeRows);

// What each final total of the player is worth: the chance of finishing first against opponents
// with these final-total distributions (a tie among k players is worth 1/k), plus POINT_WORTH a
// point.
std::vector<double> winUtility(const std::vector<std::vector<double>>& opponents);
