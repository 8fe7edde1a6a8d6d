#include "expert/expert.h"
#include "expert/turn.h"
#include <cmath>

namespace {

// Values that differ by less than this are equal, as in the rest of the expert.
constexpr double TIE = 1e-9;
// The throw counts are settled when no roll's count moves by more than this in a round; the
// rounds are bounded for a target that fresh dice hit seldom.
constexpr double SETTLED = 1e-12;
constexpr int32_t MOST_ROUNDS = 20000;
// Keep ranks count down from here by the throws expected: above 0, as bestKeep needs.
constexpr double RANKS = 1000;

} // namespace

double unlimitedTurn(const double* table, uint32_t used, int32_t upperSum,
                     double keepValues[KEEPS]) {
    const DiceSets& ds = diceSets();
    double stop[ROLLS], best = -1.0;
    for (int32_t r = 0; r < ROLLS; r++) {
        bestRowBit(table, used, upperSum, r, stop[r]);
        best = stop[r] > best ? stop[r] : best;
    }
    // Throws to come from each roll, by value iteration: none at a best roll; elsewhere one
    // more throw than the best keep within it (never the whole roll) expects. From 0 the counts
    // grow round by round towards the fixed point.
    double throws[KEEPS] = {}, within[KEEPS];
    for (int32_t round = 0; round < MOST_ROUNDS; round++) {
        for (int32_t k = ROLLS; k < KEEPS; k++) { // a keep: the mean over one more die
            double sum = 0;
            for (int32_t f = 0; f < 6; f++)
                sum += throws[ds.plusOne[k][f]];
            throws[k] = sum / 6;
        }
        for (int32_t i = 0; i < KEEPS; i++) { // smallest keeps first
            const int32_t k = ds.smallFirst[i];
            double least = k < ROLLS ? INFINITY : throws[k];
            for (int32_t j = 0; j < ds.faces[k]; j++)
                least = std::fmin(least, within[ds.minusOne[k][j]]);
            within[k] = least;
        }
        double moved = 0;
        for (int32_t r = 0; r < ROLLS; r++) {
            const double next = stop[r] >= best - TIE ? 0 : 1 + within[r];
            moved = std::fmax(moved, std::fabs(next - throws[r]));
            throws[r] = next;
        }
        if (moved < SETTLED)
            break;
    }
    // A keep ranks higher the fewer throws it expects; a whole roll only when it is a best one.
    for (int32_t k = 0; k < KEEPS; k++)
        keepValues[k] = k < ROLLS ? (throws[k] == 0 ? RANKS : 0) : RANKS - 1 - throws[k];
    return best;
}
