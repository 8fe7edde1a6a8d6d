#include "champion/plan.h"
#include "expert/expert.h"
#include <algorithm>
#include <bit>
#include <unordered_map>

namespace {

constexpr int32_t UPPER_ROWS = 6;
// The most each row can score, in sheet order of the rows a player chooses.
constexpr int32_t MOST_IN_ROW[EXPERT_ROWS] = {5,  10, 15, 20, 25, 30, 12, 22,
                                              18, 24, 15, 20, 28, 30, 50};
constexpr double TIE = 1e-9;

int32_t freeRows(uint32_t used) {
    return EXPERT_ROWS - std::popcount(used & EXPERT_ALL_USED);
}

int32_t pointsOf(int32_t bit, int32_t sum, int32_t score) {
    const bool wins = bit < UPPER_ROWS && sum < BONUS_SUM && sum + score >= BONUS_SUM;
    return score + (wins ? BONUS_POINTS : 0);
}

// The worth of each state reached after the planned turn, over the totals it can be reached with:
// entry i is for "Total" base + i, up to the most the rows written since could have added.
// above the base.
struct Solver {
    int32_t base;
    int32_t lastDepth; // states this many turns on are valued by the expert's spread
    const std::vector<double>* utility;
    std::unordered_map<uint32_t, std::vector<double>> worth;
    std::vector<double> keeps; // scratch of one turn: KEEPS x span
    std::vector<double> rolls;

    uint32_t rootUsed;
    bool bonusToCome;

    int32_t span(uint32_t used) const {
        int32_t most = 1;
        for (int32_t bit = 0; bit < EXPERT_ROWS; bit++)
            most += (used & ~rootUsed) >> bit & 1u ? MOST_IN_ROW[bit] : 0;
        if (bonusToCome && (used & ~rootUsed & ((1u << UPPER_ROWS) - 1)) != 0)
            most += BONUS_POINTS;
        return std::min(most, TOTALS - base);
    }
    double utilityAt(int32_t total) const {
        return (*utility)[static_cast<size_t>(std::min(total, TOTALS - 1))];
    }

    const std::vector<double>& of(uint32_t used, int32_t sum, int32_t depth) {
        const uint32_t key = used << 6 | static_cast<uint32_t>(sum);
        auto found = worth.find(key);
        if (found != worth.end())
            return found->second;
        Breathe();
        const int32_t n = span(used);
        std::vector<double> w(static_cast<size_t>(n), 0.0);
        if (used == EXPERT_ALL_USED || depth >= lastDepth) {
            // The rest of the game as the expert plays it.
            const std::vector<double> rest = remainingSpread(used, sum);
            for (int32_t i = 0; i < n; i++) {
                double v = 0;
                for (size_t d = 0; d < rest.size(); d++)
                    if (rest[d] > 1e-12)
                        v += rest[d] * utilityAt(base + i + static_cast<int32_t>(d));
                w[static_cast<size_t>(i)] = v;
            }
        } else {
            turn(used, sum, depth, n, w.data());
        }
        return worth.emplace(key, std::move(w)).first->second;
    }

    // The worth of a turn's start from this state, over `n` totals, by the keeps' recurrences.
    void turn(uint32_t used, int32_t sum, int32_t depth, int32_t n, double* out) {
        const DiceSets& ds = diceSets();
        const size_t stride = static_cast<size_t>(n);
        std::vector<double> k(KEEPS * stride, -1.0);
        for (int32_t bit = 0; bit < EXPERT_ROWS; bit++) {
            if (used >> bit & 1u)
                continue;
            for (int32_t r = 0; r < ROLLS; r++) {
                const int32_t score = static_cast<int32_t>(ds.score[bit][r]);
                const int32_t after = bit < UPPER_ROWS ? sum + score : sum;
                const std::vector<double>& next =
                    of(used | 1u << bit, settledSum(used | 1u << bit, after), depth + 1);
                const size_t points = static_cast<size_t>(pointsOf(bit, sum, score));
                double* to = &k[static_cast<size_t>(r) * stride];
                // Near the top of the scale a state's totals run out: the last one stands for more.
                const size_t last = next.size() - 1;
                const size_t inside = last >= points ? std::min(stride, last - points + 1) : 0;
                const double* from = next.data() + points;
                for (size_t i = 0; i < inside; i++)
                    to[i] = std::max(to[i], from[i]);
                for (size_t i = inside; i < stride; i++)
                    to[i] = std::max(to[i], next[last]);
            }
        }
        for (int32_t pass = 0; pass < 2; pass++) {
            spread(k.data(), stride);
            bestWithin(k.data(), stride);
        }
        for (size_t i = 0; i < stride; i++)
            out[i] = 0;
        for (int32_t r = 0; r < ROLLS; r++)
            for (size_t i = 0; i < stride; i++)
                out[i] += ds.chance[r] * k[static_cast<size_t>(r) * stride + i];
    }

    // Each keep short of five dice: the mean over one more die (larger keeps come first).
    static void spread(double* k, size_t stride) {
        const DiceSets& ds = diceSets();
        for (int32_t keep = ROLLS; keep < KEEPS; keep++) {
            double* to = k + static_cast<size_t>(keep) * stride;
            for (size_t i = 0; i < stride; i++)
                to[i] = 0;
            for (int32_t f = 0; f < 6; f++) {
                const double* from = k + static_cast<size_t>(ds.plusOne[keep][f]) * stride;
                for (size_t i = 0; i < stride; i++)
                    to[i] += from[i];
            }
            for (size_t i = 0; i < stride; i++)
                to[i] *= 1.0 / 6;
        }
    }
    // Each keep: the best keep within it (smaller keeps come last, so settle them first).
    static void bestWithin(double* k, size_t stride) {
        const DiceSets& ds = diceSets();
        for (int32_t keep = KEEPS - 1; keep >= 0; keep--) {
            double* to = k + static_cast<size_t>(keep) * stride;
            for (int32_t j = 0; j < ds.faces[keep]; j++) {
                const double* from = k + static_cast<size_t>(ds.minusOne[keep][j]) * stride;
                for (size_t i = 0; i < stride; i++)
                    to[i] = std::max(to[i], from[i]);
            }
        }
    }
};

} // namespace

void planTurn(TurnPlan& plan, const int32_t* cells,
              const std::vector<std::vector<double>>& opponents) {
    const DiceSets& ds = diceSets();
    plan.used = expertUsedRows(cells);
    plan.sum = settledSum(plan.used, cells[ROW_SUM]);
    plan.total = cells[ROW_TOTAL];
    plan.utility = winUtility(opponents);
    Solver solver;
    solver.base = std::clamp(plan.total, 0, TOTALS - 1);
    solver.rootUsed = plan.used;
    solver.bonusToCome = plan.sum < BONUS_SUM;
    const int32_t free = freeRows(plan.used);
    solver.lastDepth = free <= EXACT_OWN_ROWS ? free : 1;
    solver.utility = &plan.utility;
    plan.rowWorth.assign(static_cast<size_t>(ROLLS * EXPERT_ROWS), -1.0);
    plan.keepOne.assign(KEEPS, -1.0);
    for (int32_t bit = 0; bit < EXPERT_ROWS; bit++) {
        if (plan.used >> bit & 1u)
            continue;
        for (int32_t r = 0; r < ROLLS; r++) {
            const int32_t score = static_cast<int32_t>(ds.score[bit][r]);
            const int32_t after = bit < UPPER_ROWS ? plan.sum + score : plan.sum;
            const uint32_t next = plan.used | 1u << bit;
            const std::vector<double>& then = solver.of(next, settledSum(next, after), 1);
            const size_t points = static_cast<size_t>(pointsOf(bit, plan.sum, score));
            const double w = then[std::min(points, then.size() - 1)];
            plan.rowWorth[static_cast<size_t>(r * EXPERT_ROWS + bit)] = w;
            plan.keepOne[static_cast<size_t>(r)] =
                std::max(plan.keepOne[static_cast<size_t>(r)], w);
        }
    }
    Solver::spread(plan.keepOne.data(), 1);
    plan.keepTwo = plan.keepOne;
    Solver::bestWithin(plan.keepTwo.data(), 1);
    Solver::spread(plan.keepTwo.data(), 1);
}

int32_t planRowBit(const TurnPlan& plan, int32_t roll, double& worth) {
    const double* w = &plan.rowWorth[static_cast<size_t>(roll * EXPERT_ROWS)];
    double top = -1.0;
    for (int32_t bit = 0; bit < EXPERT_ROWS; bit++)
        top = std::max(top, w[bit]);
    for (int32_t bit = 0; bit < EXPERT_ROWS; bit++)
        if (!(plan.used >> bit & 1u) && w[bit] >= top - TIE) {
            worth = w[bit];
            return bit;
        }
    worth = 0;
    return -1;
}
