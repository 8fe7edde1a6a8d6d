#include "champion/model.h"
#include "expert/expert.h"
#include "expert/table.h"
#include "expert/turn.h"
#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace {

constexpr int32_t UPPER_ROWS = 6;
// Enough seeded sheets that each variance is known to a few per cent; a fraction of a second.
constexpr int32_t CALIBRATION_SHEETS = 500;

// One expert turn from a sheet state, as the chance of each row written with each score.
struct Outcome {
    int32_t bit;
    int32_t score; // the row's own
    double chance;
};

// A throw from each kept set, worked forward: a keep's chance passes a sixth to each keep one
// die larger, the smallest keeps first (they are numbered last).
void throwFrom(double* mass) {
    const DiceSets& ds = diceSets();
    for (int32_t k = KEEPS - 1; k >= ROLLS; k--) {
        const double sixth = mass[k] / 6;
        for (int32_t f = 0; f < 6; f++)
            mass[ds.plusOne[k][f]] += sixth;
        mass[k] = 0;
    }
}

// Every keep within each roll, listed once: the expert's choice among them is read again and
// again.
struct Within {
    int16_t keep[ROLLS][32];
    int8_t count[ROLLS];
};
const Within& within() {
    static Within w;
    static const bool built = [] {
        const DiceSets& ds = diceSets();
        for (int32_t r = 0; r < ROLLS; r++) {
            w.count[r] = 0;
            for (int32_t k = 0; k < KEEPS; k++) {
                bool inside = true;
                for (int32_t f = 0; f < 6; f++)
                    inside = inside && ds.count[k][f] <= ds.count[r][f];
                if (inside)
                    w.keep[r][w.count[r]++] = static_cast<int16_t>(k);
            }
        }
        return true;
    }();
    (void)built;
    return w;
}

// The expert's keep: the first in keep order of those within a rounding error of the best, as
// bestKeep chooses it.
int32_t expertKeep(const double* keepValues, int32_t roll) {
    const Within& w = within();
    double top = -1.0;
    for (int32_t i = 0; i < w.count[roll]; i++)
        top = std::max(top, keepValues[w.keep[roll][i]]);
    for (int32_t i = 0; i < w.count[roll]; i++)
        if (keepValues[w.keep[roll][i]] >= top - 1e-9)
            return w.keep[roll][i];
    return roll;
}

void keepBest(const double* keepValues, double* mass) {
    double kept[KEEPS] = {};
    for (int32_t r = 0; r < ROLLS; r++)
        if (mass[r] > 0)
            kept[expertKeep(keepValues, r)] += mass[r];
    for (int32_t k = 0; k < KEEPS; k++)
        mass[k] = kept[k];
}

std::vector<Outcome> expertTurn(uint32_t used, int32_t sum) {
    const DiceSets& ds = diceSets();
    std::unique_ptr<TurnScratch> scratch(new TurnScratch);
    std::unique_ptr<TurnValues> tv(new TurnValues);
    turnValue(expertTable(), used, sum, *scratch, *tv);
    std::vector<double> mass(KEEPS, 0.0);
    for (int32_t r = 0; r < ROLLS; r++)
        mass[r] = ds.chance[r];
    keepBest(tv->keepTwo, mass.data());
    throwFrom(mass.data());
    keepBest(tv->keepOne, mass.data());
    throwFrom(mass.data());
    std::vector<Outcome> out;
    for (int32_t r = 0; r < ROLLS; r++) {
        if (mass[r] <= 0)
            continue;
        double value;
        const int32_t bit = bestRowBit(expertTable(), used, sum, r, value);
        out.push_back(Outcome{bit, static_cast<int32_t>(ds.score[bit][r]), mass[r]});
    }
    return out;
}

// The points a write earns, with the bonus it wins, and the state it leaves.
int32_t pointsOf(int32_t sum, const Outcome& o) {
    const bool wins = o.bit < UPPER_ROWS && sum < BONUS_SUM && sum + o.score >= BONUS_SUM;
    return o.score + (wins ? BONUS_POINTS : 0);
}
int32_t sumAfter(uint32_t used, int32_t sum, const Outcome& o) {
    return settledSum(used | 1u << o.bit, o.bit < UPPER_ROWS ? sum + o.score : sum);
}

// Exact spreads of the states visited, shared by every decision of the run.
std::mutex cacheGuard;
std::unordered_map<uint32_t, std::vector<double>> exactCache;
constexpr size_t CACHE_LIMIT = 40000;

std::vector<double> exactSpread(uint32_t used, int32_t sum) {
    if (used == EXPERT_ALL_USED)
        return {1.0};
    const uint32_t key = used << 6 | static_cast<uint32_t>(sum);
    {
        std::lock_guard<std::mutex> lock(cacheGuard);
        auto it = exactCache.find(key);
        if (it != exactCache.end())
            return it->second;
    }
    Breathe();
    std::vector<double> spread;
    for (const Outcome& o : expertTurn(used, sum)) {
        const std::vector<double> rest = exactSpread(used | 1u << o.bit, sumAfter(used, sum, o));
        const size_t shift = static_cast<size_t>(pointsOf(sum, o));
        if (spread.size() < shift + rest.size())
            spread.resize(shift + rest.size(), 0.0);
        for (size_t i = 0; i < rest.size(); i++)
            spread[shift + i] += o.chance * rest[i];
    }
    std::lock_guard<std::mutex> lock(cacheGuard);
    if (exactCache.size() >= CACHE_LIMIT)
        exactCache.clear();
    exactCache[key] = spread;
    return spread;
}

// Seeded sheets of the expert, each turn drawn from its exact outcomes; the squared gap between
// what came and the expert's value, by free rows.
double variances[EXPERT_ROWS + 1];
std::once_flag calibrated;

void calibrate() {
    uint64_t state = 0x2545f4914f6cdd1dULL;
    auto uniform = [&state] {
        state += 0x9e3779b97f4a7c15ULL;
        uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return static_cast<double>((z ^ (z >> 31)) >> 11) * 0x1.0p-53;
    };
    double squares[EXPERT_ROWS + 1] = {};
    for (int32_t sheet = 0; sheet < CALIBRATION_SHEETS; sheet++) {
        Breathe();
        uint32_t used = 0;
        int32_t sum = 0, points = 0;
        double expected[EXPERT_ROWS + 1];
        int32_t before[EXPERT_ROWS + 1];
        for (int32_t turn = 0; turn < EXPERT_ROWS; turn++) {
            const int32_t free = EXPERT_ROWS - turn;
            expected[free] = expertValue(used, sum);
            before[free] = points;
            const std::vector<Outcome> outcomes = expertTurn(used, sum);
            double pick = uniform();
            size_t i = 0;
            while (i + 1 < outcomes.size() && pick >= outcomes[i].chance)
                pick -= outcomes[i++].chance;
            points += pointsOf(sum, outcomes[i]);
            const int32_t next = sumAfter(used, sum, outcomes[i]);
            used |= 1u << outcomes[i].bit;
            sum = next;
        }
        for (int32_t free = 1; free <= EXPERT_ROWS; free++) {
            const double gap = points - before[free] - expected[free];
            squares[free] += gap * gap;
        }
    }
    for (int32_t free = 0; free <= EXPERT_ROWS; free++)
        variances[free] = squares[free] / CALIBRATION_SHEETS;
}

} // namespace

void (*championBreather)();

int32_t settledSum(uint32_t used, int32_t upperSum) {
    const int32_t s = upperSum < 0 ? 0 : upperSum;
    return s >= BONUS_SUM || s + upperToCome(used) < BONUS_SUM ? BONUS_SUM : s;
}

double remainingVariance(int32_t freeRows) {
    std::call_once(calibrated, calibrate);
    return variances[freeRows < 0 ? 0 : (freeRows > EXPERT_ROWS ? EXPERT_ROWS : freeRows)];
}

std::vector<double> normalSpread(double mean, double variance) {
    std::vector<double> spread(TOTALS, 0.0);
    const double scale = 1.0 / std::sqrt(2.0 * (variance > 0.25 ? variance : 0.25));
    auto below = [&](double x) { return 0.5 * std::erfc((mean - x) * scale); };
    double total = 0;
    for (int32_t i = 0; i < TOTALS; i++) {
        spread[static_cast<size_t>(i)] = below(i + 0.5) - (i == 0 ? 0.0 : below(i - 0.5));
        total += spread[static_cast<size_t>(i)];
    }
    for (double& p : spread)
        p /= total;
    return spread;
}

std::vector<double> remainingSpread(uint32_t used, int32_t upperSum, double meanShare) {
    const int32_t sum = settledSum(used, upperSum);
    const int32_t free = EXPERT_ROWS - std::popcount(used & EXPERT_ALL_USED);
    // Few rows left: every strategy's choices are few, the expert's spread stands for them all.
    if (free <= EXACT_OPPONENT_ROWS)
        return exactSpread(used & EXPERT_ALL_USED, sum);
    return normalSpread(meanShare * expertValue(used, sum), remainingVariance(free));
}

std::vector<double> winUtility(const std::vector<std::vector<double>>& opponents) {
    std::vector<double> utility(TOTALS, 0.0);
    std::vector<double> below(opponents.size(), 0.0);
    for (int32_t x = 0; x < TOTALS; x++) {
        // The chance of each number of opponents tying while none is ahead.
        double ties[MAX_SLOTS] = {1.0};
        for (size_t i = 0; i < opponents.size(); i++) {
            const std::vector<double>& o = opponents[i];
            const double same = static_cast<size_t>(x) < o.size() ? o[static_cast<size_t>(x)] : 0.0;
            for (size_t k = i + 1; k > 0; k--)
                ties[k] = ties[k] * below[i] + ties[k - 1] * same;
            ties[0] *= below[i];
            below[i] += same;
        }
        double share = 0;
        for (size_t k = 0; k <= opponents.size(); k++)
            share += ties[k] / static_cast<double>(k + 1);
        utility[static_cast<size_t>(x)] = share + POINT_WORTH * x;
    }
    return utility;
}
