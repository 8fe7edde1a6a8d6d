#include "expert/turn.h"
#include "core/scoring.h"
#include "expert/expert.h"

namespace {

constexpr int32_t MAX_SUM = EXPERT_SUMS - 1;
constexpr int32_t BONUS = 50;
// Values that differ by less than this are equal: two orders of the same sums may round apart.
constexpr double TIE = 1e-9;

// The keeps of one size in ascending order of their pips, appended to the table.
void listKeeps(DiceSets& ds, int32_t& next, int32_t size, int32_t lowest, int32_t counts[6]) {
    if (size == 0) {
        int32_t n = 0;
        for (int32_t f = 0; f < 6; f++) {
            ds.count[next][f] = static_cast<uint8_t>(counts[f]);
            n += counts[f];
        }
        ds.size[next++] = static_cast<uint8_t>(n);
        return;
    }
    for (int32_t f = lowest; f < 6; f++) {
        counts[f]++;
        listKeeps(ds, next, size - 1, f, counts);
        counts[f]--;
    }
}

int32_t factorial(int32_t n) {
    return n <= 1 ? 1 : n * factorial(n - 1);
}

// Keep numbers by the counts read as a base-6 number.
int16_t keepByCode[6 * 6 * 6 * 6 * 6 * 6];

int32_t codeOf(const int32_t counts[6]) {
    int32_t code = 0;
    for (int32_t f = 5; f >= 0; f--)
        code = code * 6 + counts[f];
    return code;
}

uint16_t offsetOf(int32_t keep) {
    return static_cast<uint16_t>(keep * sizeof(Lanes));
}

// The per-state loops' layouts, from the keeps and the scores.
void layOut(DiceSets& ds) {
    for (int32_t k = ROLLS; k < KEEPS; k++)
        for (int32_t f = 0; f < 6; f++)
            ds.spreadFrom[k - ROLLS][f] = offsetOf(ds.plusOne[k][f]);
    int32_t placed = 0, first = 0;
    for (int32_t size = 0; size <= 5; size++)
        for (int32_t faces = 0; faces <= 5; faces++) {
            for (int32_t i = first; i < ds.groupEnd[size][faces]; i++) {
                const int32_t k = ds.smallFirst[i];
                ds.within[placed++] = offsetOf(k);
                for (int32_t j = 0; j < ds.faces[k]; j++)
                    ds.within[placed++] = offsetOf(ds.minusOne[k][j]);
            }
            first = ds.groupEnd[size][faces];
            ds.withinEnd[size][faces] = static_cast<int16_t>(placed);
        }
    int32_t groups = 0, entries = 0;
    for (int32_t bit = 0; bit < EXPERT_ROWS; bit++) {
        ds.rowGroups[bit] = static_cast<int16_t>(groups);
        // Each distinct score once, in the order the rolls first show it.
        for (int32_t r = 0; r < ROLLS; r++) {
            const double score = bit < 6 ? ds.faceCount[bit][r] : ds.score[bit][r];
            bool seen = score == 0;
            for (int32_t g = ds.rowGroups[bit]; g < groups && !seen; g++)
                seen = ds.groupScore[g] == score;
            if (seen)
                continue;
            ds.groupScore[groups] = score;
            ds.groupStart[groups++] = static_cast<int16_t>(entries);
            for (int32_t q = r; q < ROLLS; q++)
                if ((bit < 6 ? ds.faceCount[bit][q] : ds.score[bit][q]) == score)
                    ds.scoring[entries++] = offsetOf(q);
        }
    }
    ds.rowGroups[EXPERT_ROWS] = static_cast<int16_t>(groups);
    ds.groupStart[groups] = static_cast<int16_t>(entries);
}

// Filled in place: the tables are large for a stack.
void build(DiceSets& ds) {
    int32_t next = 0, counts[6] = {};
    for (int32_t size = 5; size >= 0; size--)
        listKeeps(ds, next, size, 0, counts);
    for (int16_t& k : keepByCode)
        k = -1;
    for (int32_t k = 0; k < KEEPS; k++) {
        for (int32_t f = 0; f < 6; f++)
            counts[f] = ds.count[k][f];
        keepByCode[codeOf(counts)] = static_cast<int16_t>(k);
    }
    for (int32_t k = 0; k < KEEPS; k++) {
        for (int32_t f = 0; f < 6; f++)
            counts[f] = ds.count[k][f];
        for (int32_t f = 0; f < 6; f++) {
            counts[f]++;
            ds.plusOne[k][f] = ds.size[k] < 5 ? keepByCode[codeOf(counts)] : -1;
            counts[f] -= 2;
            if (counts[f] >= 0)
                ds.minusOne[k][ds.faces[k]++] = keepByCode[codeOf(counts)];
            counts[f]++;
        }
    }
    // Within a size the keeps do not depend on one another; grouped by faces shown, the loop
    // over their smaller keeps runs the same length again and again.
    int32_t placed = 0;
    for (int32_t size = 0; size <= 5; size++)
        for (int32_t faces = 0; faces <= 5; faces++) {
            for (int32_t k = 0; k < KEEPS; k++)
                if (ds.size[k] == size && ds.faces[k] == faces)
                    ds.smallFirst[placed++] = static_cast<int16_t>(k);
            ds.groupEnd[size][faces] = static_cast<int16_t>(placed);
        }
    for (int32_t r = 0; r < ROLLS; r++) {
        DiceThrow d{};
        int32_t die = 0, ways = factorial(5);
        for (int32_t f = 0; f < 6; f++) {
            ds.faceCount[f][r] = ds.count[r][f];
            ways /= factorial(ds.count[r][f]);
            for (int32_t c = 0; c < ds.count[r][f]; c++)
                d.face[die++] = f;
        }
        ds.chance[r] = ways / 7776.0;
        analyseThrow(d);
        for (int32_t bit = 0; bit < EXPERT_ROWS; bit++)
            ds.score[bit][r] = rowScore(expertRowOf(bit), d);
    }
    layOut(ds);
}

// Lane-wise steps, each pair at a time. By reference: vectors stay out of calls' ABI.
inline void fill(Lanes& a, double x) {
    for (Pair& p : a.pair)
        p = Pair{x, x};
}
inline void raise(Lanes& a, const Lanes& b) {
    for (int32_t i = 0; i < PAIRS; i++)
        a.pair[i] = b.pair[i] > a.pair[i] ? b.pair[i] : a.pair[i];
}
inline double lane(const Lanes& a, int32_t i) {
    return a.pair[i / 2][i % 2];
}
inline void setLane(Lanes& a, int32_t i, double x) {
    a.pair[i / 2][i % 2] = x;
}

// The keep values at a byte offset into the keeps.
inline Lanes& at(Lanes* keep, uint16_t offset) {
    return *reinterpret_cast<Lanes*>(reinterpret_cast<char*>(keep) + offset);
}

// Each keep short of five dice is worth the mean over one more die; the rolls are filled in.
void spread(const DiceSets& ds, Lanes* keep) {
    for (int32_t k = ROLLS; k < KEEPS; k++) {
        const uint16_t* p = ds.spreadFrom[k - ROLLS];
        const Lanes &a = at(keep, p[0]), &b = at(keep, p[1]), &c = at(keep, p[2]);
        const Lanes &d = at(keep, p[3]), &e = at(keep, p[4]), &f = at(keep, p[5]);
        for (int32_t i = 0; i < PAIRS; i++)
            keep[k].pair[i] =
                (a.pair[i] + b.pair[i] + c.pair[i] + d.pair[i] + e.pair[i] + f.pair[i]) * (1.0 / 6);
    }
}

// The keeps of one group, each showing F faces and listed with its keeps one die smaller (all
// settled already): each becomes the best of itself and of those.
template <int32_t F> void bestOfGroup(const uint16_t* p, const uint16_t* end, Lanes* keep) {
    auto raise = [](Pair& a, const Pair& b) { a = b > a ? b : a; };
    for (; p < end; p += 1 + F) {
        Lanes& k = at(keep, p[0]);
        for (int32_t i = 0; i < PAIRS; i++) {
            Pair b = k.pair[i];
            if constexpr (F >= 2) {
                Pair c = at(keep, p[2]).pair[i];
                if constexpr (F >= 4) {
                    Pair d = at(keep, p[4]).pair[i];
                    raise(d, at(keep, p[3]).pair[i]);
                    raise(c, d);
                } else if constexpr (F == 3) {
                    raise(c, at(keep, p[3]).pair[i]);
                }
                if constexpr (F == 5)
                    raise(b, at(keep, p[5]).pair[i]);
                raise(b, c);
            }
            if constexpr (F >= 1)
                raise(b, at(keep, p[1]).pair[i]);
            k.pair[i] = b;
        }
    }
}

// Each keep becomes the best keep within it; for a roll, the best choice before a re-throw.
// Smallest keeps first, so that every smaller keep is settled before its use.
void bestWithin(const DiceSets& ds, Lanes* keep) {
    const uint16_t* p = ds.within;
    for (int32_t size = 0; size <= 5; size++) {
        const int16_t* end = ds.withinEnd[size];
        bestOfGroup<0>(p, ds.within + end[0], keep);
        bestOfGroup<1>(ds.within + end[0], ds.within + end[1], keep);
        bestOfGroup<2>(ds.within + end[1], ds.within + end[2], keep);
        bestOfGroup<3>(ds.within + end[2], ds.within + end[3], keep);
        bestOfGroup<4>(ds.within + end[3], ds.within + end[4], keep);
        bestOfGroup<5>(ds.within + end[4], ds.within + end[5], keep);
        p = ds.within + end[5];
    }
}

void copyLane0(const Lanes* keep, double* out) {
    for (int32_t k = 0; k < KEEPS; k++)
        out[k] = lane(keep[k], 0);
}

// The worth of a write into upper row `face` by the number of dice showing it: the score, the
// bonus when the write reaches 63, and the state after.
double upperWrite(const double* next, int32_t face, int32_t sum, int32_t n) {
    const int32_t points = n * (face + 1);
    const int32_t after = sum + points < MAX_SUM ? sum + points : MAX_SUM;
    const int32_t bonus = sum < MAX_SUM && after == MAX_SUM ? BONUS : 0;
    return points + bonus + next[after];
}

int32_t capped(int32_t sum) {
    return sum < 0 ? 0 : (sum < MAX_SUM ? sum : MAX_SUM);
}

} // namespace

const DiceSets& diceSets() {
    static DiceSets sets;
    static const bool built = (build(sets), true); // once, whichever thread comes first
    (void)built;
    return sets;
}

int32_t keepIndex(const int32_t counts[6]) {
    diceSets();
    for (int32_t f = 0; f < 6; f++)
        if (counts[f] < 0 || counts[f] > 5)
            return -1;
    return keepByCode[codeOf(counts)];
}

void turnValues(const double* table, uint32_t used, const int32_t sums[LANES], TurnScratch& t,
                double values[LANES], TurnValues* lane0) {
    const DiceSets& ds = diceSets();
    int32_t sum[LANES];
    for (int32_t i = 0; i < LANES; i++)
        sum[i] = capped(sums[i]);
    // A roll standing, with no throw to come, takes its best row. A row where the roll scores
    // nothing is worth the same for every such roll, and never more than where it scores: the
    // best of those is every roll's floor, and only the scoring rolls are visited row by row.
    Lanes* keep = t.keep;
    Lanes floor;
    fill(floor, -1.0);
    for (int32_t bit = 0; bit < EXPERT_ROWS; bit++) {
        if (used >> bit & 1u)
            continue;
        const double* next = table + (used | 1u << bit) * EXPERT_SUMS;
        Lanes none{};
        for (int32_t i = 0; i < LANES; i++)
            setLane(none, i, bit < 6 ? upperWrite(next, bit, sum[i], 0) : next[sum[i]]);
        raise(floor, none);
    }
    for (int32_t r = 0; r < ROLLS; r++)
        keep[r] = floor;
    for (int32_t bit = 0; bit < EXPERT_ROWS; bit++) {
        if (used >> bit & 1u)
            continue;
        const double* next = table + (used | 1u << bit) * EXPERT_SUMS;
        for (int32_t g = ds.rowGroups[bit]; g < ds.rowGroups[bit + 1]; g++) {
            const double score = ds.groupScore[g];
            Lanes w{};
            for (int32_t i = 0; i < LANES; i++)
                setLane(w, i,
                        bit < 6 ? upperWrite(next, bit, sum[i], static_cast<int32_t>(score))
                                : score + next[sum[i]]);
            const uint16_t* end = ds.scoring + ds.groupStart[g + 1];
            for (const uint16_t* p = ds.scoring + ds.groupStart[g]; p < end; p++)
                raise(at(keep, *p), w);
        }
    }
    // One throw to come: the keeps' means; then each roll takes its best keep, and with that,
    // two throws to come.
    spread(ds, keep);
    if (lane0 != nullptr)
        copyLane0(keep, lane0->keepOne);
    bestWithin(ds, keep);
    spread(ds, keep);
    if (lane0 != nullptr)
        copyLane0(keep, lane0->keepTwo);
    bestWithin(ds, keep);
    // Two running sums a pair, so that the additions need not wait for one another.
    Pair part[PAIRS][2] = {};
    for (int32_t r = 0; r < ROLLS; r += 2)
        for (int32_t j = 0; j < 2; j++)
            for (int32_t i = 0; i < PAIRS; i++)
                part[i][j] += ds.chance[r + j] * keep[r + j].pair[i];
    for (int32_t i = 0; i < PAIRS; i++) {
        const Pair v = part[i][0] + part[i][1];
        values[2 * i] = v[0];
        values[2 * i + 1] = v[1];
    }
}

double turnValue(const double* table, uint32_t used, int32_t upperSum, TurnScratch& t,
                 TurnValues& out) {
    int32_t sums[LANES];
    for (int32_t& s : sums)
        s = upperSum;
    double values[LANES];
    turnValues(table, used, sums, t, values, &out);
    return values[0];
}

int32_t bestKeep(const double* keepValues, const int32_t counts[6]) {
    // Every keep within the roll, as counts of each face; at most 32.
    int32_t candidates[32], n = 0, c[6];
    for (c[0] = 0; c[0] <= counts[0]; c[0]++)
        for (c[1] = 0; c[1] <= counts[1]; c[1]++)
            for (c[2] = 0; c[2] <= counts[2]; c[2]++)
                for (c[3] = 0; c[3] <= counts[3]; c[3]++)
                    for (c[4] = 0; c[4] <= counts[4]; c[4]++)
                        for (c[5] = 0; c[5] <= counts[5]; c[5]++)
                            if (n < 32)
                                candidates[n++] = keepIndex(c);
    double top = -1.0;
    for (int32_t i = 0; i < n; i++)
        if (candidates[i] >= 0 && keepValues[candidates[i]] > top)
            top = keepValues[candidates[i]];
    int32_t chosen = -1;
    for (int32_t i = 0; i < n; i++)
        if (candidates[i] >= 0 && keepValues[candidates[i]] >= top - TIE &&
            (chosen < 0 || candidates[i] < chosen))
            chosen = candidates[i];
    return chosen;
}

int32_t bestRowBit(const double* table, uint32_t used, int32_t upperSum, int32_t roll,
                   double& value) {
    const DiceSets& ds = diceSets();
    const int32_t sum = capped(upperSum);
    double worth[EXPERT_ROWS];
    double top = -1.0;
    for (int32_t bit = 0; bit < EXPERT_ROWS; bit++) {
        if (used >> bit & 1u)
            continue;
        const double* next = table + (used | 1u << bit) * EXPERT_SUMS;
        if (bit < 6) {
            worth[bit] = upperWrite(next, bit, sum, ds.faceCount[bit][roll]);
        } else {
            worth[bit] = ds.score[bit][roll] + next[sum];
        }
        top = worth[bit] > top ? worth[bit] : top;
    }
    for (int32_t bit = 0; bit < EXPERT_ROWS; bit++) {
        if (!(used >> bit & 1u) && worth[bit] >= top - TIE) {
            value = worth[bit];
            return bit;
        }
    }
    value = 0;
    return -1;
}
