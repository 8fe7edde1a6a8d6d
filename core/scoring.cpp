#include "core/scoring.h"
#include "core/hooks.h"

namespace {
// Puts the smaller of two sorting keys first; compiled to conditional moves, not branches.
inline void orderPair(int32_t& a, int32_t& b) {
    const int32_t lo = a < b ? a : b;
    const int32_t hi = a < b ? b : a;
    a = lo;
    b = hi;
}
} // namespace

void analyseThrow(DiceThrow& d) {
    // Each die becomes one key, face times two plus one when free, so that a sort leaves the
    // dice in ascending face order with the held dice of each face first. Worked without
    // branches: the dice are random, so branches on them would be guessed wrong.
    int32_t key[5];
    uint64_t counts = 0; // one byte per face
#pragma GCC unroll 5
    for (int32_t i = 0; i < 5; i++) {
        // Faces are always 0..5; a stray value is clamped rather than indexing out of bounds.
        const int32_t f = d.face[i] < 0 ? 0 : (d.face[i] > 5 ? 5 : d.face[i]);
        key[i] = 2 * f + (d.held[i] == 0 ? 1 : 0);
        counts += uint64_t{1} << (8 * f);
    }
    // An optimal sorting network for five.
    orderPair(key[0], key[1]);
    orderPair(key[3], key[4]);
    orderPair(key[2], key[4]);
    orderPair(key[2], key[3]);
    orderPair(key[0], key[3]);
    orderPair(key[0], key[2]);
    orderPair(key[1], key[4]);
    orderPair(key[1], key[3]);
    orderPair(key[1], key[2]);
#pragma GCC unroll 5
    for (int32_t i = 0; i < 5; i++) {
        d.face[i] = key[i] >> 1;
        d.held[i] = (key[i] & 1) ^ 1;
    }
    // Bit 8c + f is set when face f shows exactly c dice: the faces by their count, as bit sets.
    uint64_t byCount = 0;
#pragma GCC unroll 6
    for (int32_t f = 0; f < 6; f++) {
        const int32_t c = static_cast<int32_t>((counts >> (8 * f)) & 0xff);
        d.faceCount[f] = c;
        byCount |= uint64_t{1} << (8 * c + f);
    }
    const uint32_t two = static_cast<uint32_t>(byCount >> 16) & 0x3f;
    const uint32_t three = static_cast<uint32_t>(byCount >> 24) & 0x3f;
    const uint32_t four = static_cast<uint32_t>(byCount >> 32) & 0x3f;
    const uint32_t all = static_cast<uint32_t>(byCount >> 40) & 0x3f;
    // The lowest face of a set, or NO_FACE (bit 6) when it is empty.
    constexpr uint32_t NONE = 1u << NO_FACE;
    const uint32_t secondTwo = two & (two - 1);
    d.pairFace[0] = __builtin_ctz(two | NONE);
    d.pairFace[1] = __builtin_ctz(secondTwo | NONE);
    d.pairCount = (two != 0) + (secondTwo != 0);
    d.tripleFace = __builtin_ctz(three | NONE);
    d.quadFace = __builtin_ctz(four | NONE);
    d.fiveFace = __builtin_ctz(all | NONE);
}

static int32_t straight(const DiceThrow& d, int32_t first, int32_t score) {
    for (int32_t f = first; f < first + 5; f++)
        if (d.faceCount[f] != 1)
            return 0;
    return score;
}

int32_t rowScore(int32_t row, const DiceThrow& d) {
    const int32_t* c = d.faceCount;
    if (row >= ROW_ONES && row <= ROW_SIXES)
        return c[row] * (row + 1);
    switch (row) {
    case ROW_PAIR: {
        int32_t best = -1;
        for (int32_t f = 0; f < 6; f++)
            if (c[f] >= 2)
                best = f;
        return best < 0 ? 0 : 2 * (best + 1);
    }
    case ROW_TWO_PAIRS: {
        int32_t low = -1, high = -1;
        for (int32_t f = 0; f < 6; f++)
            if (c[f] >= 2) {
                low = high;
                high = f;
            }
        return low < 0 ? 0 : 2 * (low + 1) + 2 * (high + 1);
    }
    case ROW_TRIPLE:
    case ROW_QUAD: {
        const int32_t need = row == ROW_TRIPLE ? 3 : 4;
        for (int32_t f = 0; f < 6; f++)
            if (c[f] >= need)
                return need * (f + 1);
        return 0;
    }
    case ROW_SMALL:
        return straight(d, 0, 15);
    case ROW_LARGE:
        return straight(d, 1, 20);
    case ROW_FULL_HOUSE: {
        int32_t three = -1, two = -1;
        for (int32_t f = 0; f < 6; f++) {
            if (c[f] == 3)
                three = f;
            if (c[f] == 2)
                two = f;
        }
        return three < 0 || two < 0 ? 0 : 3 * (three + 1) + 2 * (two + 1);
    }
    case ROW_CHANCE: {
        int32_t sum = 0;
        for (int32_t f = 0; f < 6; f++)
            sum += c[f] * (f + 1);
        return sum;
    }
    case ROW_DYXEL:
        for (int32_t f = 0; f < 6; f++)
            if (c[f] == 5)
                return 50;
        return 0;
    default:
        return 0;
    }
}

ScoreChange scoreChange(int32_t player, int32_t row, const DiceThrow& dice) {
    const int32_t* cells = gameState.players[player].cells;
    ScoreChange c{rowScore(row, dice), cells[ROW_SUM], cells[ROW_BONUS], 0, cells[ROW_TOTAL]};
    if (row < ROW_SUM) {
        c.sum += c.score;
        // Granted once, by the write that takes "summa" from 62 or less to 63 or more.
        if (c.sum > 62 && c.bonus == 0)
            c.bonusGained = c.bonus = 50;
    }
    c.total += c.score + c.bonusGained;
    return c;
}

bool commitSelection() {
    Selection& sel = gameState.selection;
    // Only a free chosen row is committed: a used or derived cell would otherwise take the score
    // into the sums a second time, or a -1 into "summa", "bonus" or "Total".
    if (sel.selectable == 0 || !isRowSelectable(sel.player, sel.row) || gameState.dice == nullptr)
        return false;
    CallHook(frontEnd.eraseCommittedCell, sel.player, sel.row);
    const ScoreChange c = scoreChange(sel.player, sel.row, *gameState.dice);
    int32_t* cells = gameState.players[sel.player].cells;
    cells[sel.row] = c.score > 0 ? c.score : -1;
    cells[ROW_SUM] = c.sum;
    cells[ROW_BONUS] = c.bonus;
    cells[ROW_TOTAL] = c.total;
    sel.selectable = 0;
    return true;
}
