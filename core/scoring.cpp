#include "core/scoring.h"
#include "core/hooks.h"

void analyseThrow(DiceThrow& d) {
    int32_t heldCount[6] = {};
    for (int32_t f = 0; f < 6; f++)
        d.faceCount[f] = 0;
    for (int32_t i = 0; i < 5; i++) {
        // Faces are always 0..5; a stray value is clamped rather than indexing out of bounds.
        int32_t f = d.face[i] < 0 ? 0 : (d.face[i] > 5 ? 5 : d.face[i]);
        d.faceCount[f]++;
        if (d.held[i] != 0)
            heldCount[f]++;
    }
    d.pairCount = 0;
    d.pairFace[0] = d.pairFace[1] = NO_FACE;
    d.tripleFace = d.quadFace = d.fiveFace = NO_FACE;
    int32_t k = 0;
    for (int32_t f = 0; f < 6; f++) {
        const int32_t c = d.faceCount[f];
        if (c == 0)
            continue;
        if (c == 2)
            d.pairFace[d.pairCount++] = f;
        else if (c == 3)
            d.tripleFace = f;
        if (c == 4)
            d.quadFace = f;
        if (c == 5)
            d.fiveFace = f;
        for (int32_t j = 0; j < c; j++, k++) {
            d.face[k] = f;
            d.held[k] = j < heldCount[f] ? 1 : 0;
        }
    }
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

bool commitSelection() {
    Selection& sel = gameState.selection;
    // Only a free chosen row is committed: a used or derived cell would otherwise take the score
    // into the sums a second time, or a -1 into "summa", "bonus" or "Total".
    if (sel.selectable == 0 || !isRowSelectable(sel.player, sel.row) || gameState.dice == nullptr)
        return false;
    HookEraseCommittedCell(sel.player, sel.row);
    int32_t s = rowScore(sel.row, *gameState.dice);
    int32_t* cells = gameState.players[sel.player].cells;
    cells[sel.row] = s > 0 ? s : -1;
    if (sel.row < ROW_SUM) {
        cells[ROW_SUM] += s;
        if (cells[ROW_SUM] > 62 && cells[ROW_BONUS] == 0) {
            cells[ROW_BONUS] = 50;
            s += 50;
        }
    }
    cells[ROW_TOTAL] += s;
    sel.selectable = 0;
    return true;
}
