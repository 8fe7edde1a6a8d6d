#include "robot/robot.h"
#include "core/dice.h"
#include "core/hooks.h"
#include "core/scoring.h"
#include "core/settings.h"
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

int32_t rowDesire[ROW_COUNT];
int32_t candidates[5];
const int32_t fallbackOrder[14] = {ROW_SMALL,  ROW_LARGE,      ROW_PAIR,  ROW_QUAD, ROW_TWO_PAIRS,
                                   ROW_TRIPLE, ROW_FULL_HOUSE, ROW_DYXEL, ROW_ONES, ROW_TWOS,
                                   ROW_THREES, ROW_FOURS,      ROW_FIVES, ROW_SIXES};
void (*robotPlanned)(const DiceThrow& dice, int32_t throwNumber);

namespace {

constexpr int32_t SHORT_PAUSE_MS = 600;
constexpr int32_t LONG_PAUSE_MS = 1800;

const int32_t* currentCells() {
    return gameState.players[gameState.currentPlayer].cells;
}

// The desirability of every combination row 8 to 16 for these dice, free or not. Worked with
// flags as numbers rather than branches: which combinations the dice show is pure chance.
void comboDesires(const DiceThrow& d, int32_t bonusCell, int32_t v[ROW_COUNT]) {
    const int32_t pairs = d.pairCount, triple = d.tripleFace;
    const int32_t low = d.pairFace[0], high = d.pairFace[1]; // NO_FACE when missing
    const int32_t onePair = pairs == 1, twoPairs = pairs == 2, hasTriple = triple != NO_FACE;
    v[ROW_PAIR] = 12 * (onePair * low + twoPairs * high);
    v[ROW_TWO_PAIRS] = twoPairs * (12 * low + 12 * high);
    v[ROW_TRIPLE] = hasTriple * 15 * triple;
    v[ROW_QUAD] = (d.quadFace != NO_FACE) * 15 * d.quadFace;
    v[ROW_SMALL] = bonusCell == 0 ? 20 : 50;
    v[ROW_LARGE] = bonusCell == 0 ? 30 : 75;
    // A triple of fours earns 30 on its own, as the heuristic has always had it.
    v[ROW_FULL_HOUSE] = onePair * 10 * low + twoPairs * 10 * high + (triple == 3) * 30 +
                        (onePair & hasTriple) * (4 * triple + 3 * low);
    v[ROW_CHANCE] = 0;
    v[ROW_DYXEL] = (d.fiveFace != NO_FACE) * 150;
}

uint32_t faceBit(int32_t face) {
    return face >= 0 && face < 6 ? 1u << face : 0u; // NO_FACE matches no die
}

// Holds exactly the dice showing face a, b or c, releases the others; returns how many.
int32_t holdFaces(DiceThrow& d, int32_t a, int32_t b = NO_FACE, int32_t c = NO_FACE) {
    const uint32_t wanted = faceBit(a) | faceBit(b) | faceBit(c);
    int32_t n = 0;
#pragma GCC unroll 5
    for (int32_t i = 0; i < 5; i++) {
        const int32_t h = static_cast<int32_t>((wanted >> (d.face[i] & 7)) & 1u);
        d.held[i] = h;
        n += h;
    }
    return n;
}

// Walks the sorted dice holding one die of each face, passing over the face the straight lacks.
int32_t holdStraight(DiceThrow& d, int32_t skipped) {
    for (int32_t& h : d.held)
        h = 0;
    int32_t n = 0;
    for (int32_t i = 0; i < 5;) {
        const int32_t f = d.face[i];
        if (f == skipped || f < 0 || f > 5) {
            i++;
            continue;
        }
        d.held[i] = 1;
        n++;
        i += d.faceCount[f] > 0 ? d.faceCount[f] : 1;
    }
    return n;
}

bool threeOrMoreAlike(const DiceThrow& d) {
    return d.tripleFace != NO_FACE || d.quadFace != NO_FACE || d.fiveFace != NO_FACE;
}

// A slot packs its row under its desirability (both small and never negative), so that one
// comparison orders two slots: key a beats slot b exactly when desire(a) > desire(b).
constexpr int32_t ROW_BITS = 5;

inline int32_t packSlot(int32_t row, int32_t desire) {
    return desire << ROW_BITS | row;
}

struct Slots {
    int32_t s0, s1, s2, s3, s4; // s4 is the top
};

// Slot k's turn: a current row that beats it takes its place and sends it one slot down,
// where it carries on as the current row.
[[gnu::always_inline]] inline void climb(int32_t& upper, int32_t& lower, int32_t& current) {
    if (current > (upper | ((1 << ROW_BITS) - 1))) {
        lower = upper;
        const int32_t displaced = upper;
        upper = current;
        current = displaced;
    }
}

// The insertion keeps its odd shape on purpose: a displaced row overwrites the slot below
// instead of shifting the rest down, so rows can drop out of a list that is not yet full.
[[gnu::always_inline]] inline void insertKey(Slots& s, int32_t key) {
    // Desirability never rises from slot 4 down: a row no better than slot 0 changes nothing.
    if (key <= (s.s0 | ((1 << ROW_BITS) - 1)))
        return;
    int32_t current = key;
    climb(s.s4, s.s3, current);
    climb(s.s3, s.s2, current);
    climb(s.s2, s.s1, current);
    climb(s.s1, s.s0, current);
    if (current > (s.s0 | ((1 << ROW_BITS) - 1)))
        s.s0 = current;
}

// One candidate's plan: sets the holds and says which row it leads to, or -1.
int32_t tryRow(DiceThrow& d, int32_t row, bool commit) {
    if (row >= ROW_ONES && row <= ROW_SIXES) {
        const int32_t n = holdFaces(d, row);
        if (!commit || n >= 3)
            return row;
        return upperBonusMargin(gameState.currentPlayer, row, n) > 0 ? row : -1;
    }
    switch (row) {
    case ROW_PAIR:
        if (d.pairCount == 0)
            return -1;
        holdFaces(d, d.pairFace[d.pairCount - 1]);
        return ROW_PAIR;
    case ROW_TWO_PAIRS:
        holdFaces(d, d.pairFace[0], d.pairFace[1]);
        return ROW_TWO_PAIRS;
    case ROW_FULL_HOUSE: {
        const int32_t n = holdFaces(d, d.pairFace[0], d.pairFace[1], d.tripleFace);
        return !commit || n == 5 ? ROW_FULL_HOUSE : -1;
    }
    case ROW_TRIPLE:
    case ROW_QUAD:
    case ROW_DYXEL:
        if (row == ROW_DYXEL) {
            for (int32_t& h : d.held)
                h = 1;
        } else {
            holdFaces(d, row == ROW_TRIPLE ? d.tripleFace : d.quadFace);
        }
        if (!commit)
            return row;
        if (d.fiveFace != NO_FACE)
            CueFiveOfAKindSound();
        return threeOrMoreAlike(d) ? row : -1;
    case ROW_SMALL:
    case ROW_LARGE: {
        const int32_t n = holdStraight(d, row == ROW_SMALL ? 5 : 0);
        return !commit || n == 5 ? row : -1;
    }
    default: // "Chans" is only ever reached through the fall-back
        return -1;
    }
}

// Bit r set for each of the 18 words that is zero.
uint32_t zeroMask(const int32_t* w) {
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    uint32_t m = 0;
#pragma GCC unroll 4
    for (int32_t k = 0; k < 4; k++) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(w + 4 * k));
        m |= static_cast<uint32_t>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(v, zero))))
             << (4 * k);
    }
    return m | static_cast<uint32_t>(w[16] == 0) << 16 | static_cast<uint32_t>(w[17] == 0) << 17;
#else
    uint32_t m = 0;
    for (int32_t r = 0; r < ROW_COUNT; r++)
        m |= static_cast<uint32_t>(w[r] == 0) << r;
    return m;
#endif
}

// Stores `value` into `rowDesire` for the rows of `ranked` and 0 for the others; returns the
// rows whose stored desirability is not 0.
uint32_t storeDesires(const int32_t value[ROW_COUNT], uint32_t ranked) {
#if defined(__SSE2__)
    const __m128i bits = _mm_set_epi32(8, 4, 2, 1);
    const __m128i zero = _mm_setzero_si128();
    uint32_t zeros = 0;
#pragma GCC unroll 4
    for (int32_t k = 0; k < 4; k++) {
        const __m128i lanes = _mm_cmpeq_epi32(
            _mm_and_si128(_mm_set1_epi32(static_cast<int32_t>(ranked >> (4 * k))), bits), bits);
        const __m128i v =
            _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(value + 4 * k)), lanes);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(rowDesire + 4 * k), v);
        zeros |= static_cast<uint32_t>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(v, zero))))
                 << (4 * k);
    }
    rowDesire[16] = (ranked >> 16 & 1u) ? value[16] : 0;
    rowDesire[17] = (ranked >> 17 & 1u) ? value[17] : 0;
    zeros |= static_cast<uint32_t>(rowDesire[16] == 0) << 16 |
             static_cast<uint32_t>(rowDesire[17] == 0) << 17;
    return ~zeros & ((1u << ROW_COUNT) - 1);
#else
    uint32_t nonZero = 0;
    for (int32_t r = 0; r < ROW_COUNT; r++) {
        rowDesire[r] = (ranked >> r & 1u) ? value[r] : 0;
        nonZero |= static_cast<uint32_t>(rowDesire[r] != 0) << r;
    }
    return nonZero;
#endif
}

// By the number of dice showing the face; masked to 3 bits, so a stray count cannot overrun.
constexpr int32_t UPPER_DESIRE[8] = {0, 45, 90, 140, 140, 140, 140, 140};

} // namespace

namespace {

// What the ranking needs of the sheet; it stays the same through a turn.
struct SheetView {
    uint32_t free;     // the rows whose cell is 0, as bits
    int32_t bonusCell; // "bonus", 0 until the upper bonus is won
};

SheetView viewOf(const int32_t* cells) {
    return {zeroMask(cells), cells[ROW_BONUS]};
}

// Worked on bit sets and locals, and written out once: this runs three times a turn.
void rankFor(const DiceThrow& d, const SheetView& sheet) {
    int32_t value[ROW_COUNT];
    value[ROW_SUM] = value[ROW_BONUS] = value[ROW_TOTAL] = 0;
    uint32_t shows = 0;
#pragma GCC unroll 6
    for (int32_t f = 0; f < 6; f++) {
        value[f] = UPPER_DESIRE[d.faceCount[f] & 7] + f;
        shows |= static_cast<uint32_t>(d.faceCount[f] != 0) << f;
    }
    comboDesires(d, sheet.bonusCell, value);
    constexpr uint32_t UPPER = 0x3f, COMBOS = 0x1ff00; // rows 0 to 5, rows 8 to 16
    // Upper rows take part when free and their face shows; combination rows whenever free.
    const uint32_t ranked = sheet.free & ((shows & UPPER) | COMBOS);
    const uint32_t nonZero = storeDesires(value, ranked);
    if (ranked == 0) {
        for (int32_t& c : candidates)
            c = NO_CANDIDATE;
        return;
    }
    // The first row ranked fills all five slots. A later row of desirability 0 cannot beat
    // any slot, so only the others go through the insertion.
    const int32_t first = __builtin_ctz(ranked);
    const int32_t top = packSlot(first, value[first]);
    Slots s{top, top, top, top, top};
    for (uint32_t rest = nonZero & ~((2u << first) - 1); rest != 0; rest &= rest - 1) {
        const int32_t r = __builtin_ctz(rest);
        insertKey(s, packSlot(r, value[r]));
    }
    const int32_t rowMask = (1 << ROW_BITS) - 1;
    candidates[0] = s.s0 & rowMask;
    candidates[1] = s.s1 & rowMask;
    candidates[2] = s.s2 & rowMask;
    candidates[3] = s.s3 & rowMask;
    candidates[4] = s.s4 & rowMask;
}

} // namespace

void rankRows(const DiceThrow& d) {
    rankFor(d, viewOf(currentCells()));
}

int32_t chooseRow(DiceThrow& d, bool commit) {
    int32_t result = -1;
    for (int32_t k = 4; k >= 0 && result == -1; k--) {
        if (candidates[k] == NO_CANDIDATE)
            break;
        result = tryRow(d, candidates[k], commit);
    }
    return result != -1 ? result : fallbackRow(-1);
}

int32_t fallbackRow(int32_t row) {
    if (row != -1)
        return row;
    const int32_t* cells = currentCells();
    if (cells[ROW_CHANCE] == 0)
        return ROW_CHANCE;
    for (int32_t r : fallbackOrder) {
        if (cells[r] == 0) {
            CueCrossOutSound();
            return r;
        }
    }
    return -1; // a full sheet has no turn to play
}

int32_t upperBonusMargin(int32_t player, int32_t row, int32_t n) {
    if (player < 0 || player >= MAX_SLOTS)
        return -63;
    const int32_t* cells = gameState.players[player].cells;
    int32_t sum = 0;
#pragma GCC unroll 6
    for (int32_t i = 0; i < 6; i++) {
        const int32_t v = i == row ? (row + 1) * n : cells[i];
        // An empty row counts at par, three dice of its face; a scratched one holds -1.
        sum += v + (v == 0) * 3 * (i + 1);
    }
    const int32_t margin = sum - 63;
    if (margin >= 0)
        CueBonusSound();
    return margin;
}

namespace {

void planHeuristic(DiceThrow& d, int32_t) {
    rankRows(d);
    chooseRow(d, false);
}

// The ranking of the third plan stands: the same dice on the same sheet, since a plan moves only
// hold flags, which the ranking does not read.
int32_t chooseHeuristicRow(DiceThrow& d) {
    return chooseRow(d, true);
}

} // namespace

const RobotStrategy heuristicRobot = {planHeuristic, chooseHeuristicRow};

void robotTurn(DiceThrow& d) {
    const RobotStrategy* strategy = &CurrentRobotStrategy();
    if (strategy->plan == nullptr || strategy->chooseRow == nullptr)
        strategy = &heuristicRobot;
    const int32_t pause = SettingOn(&Settings::longThrows) ? LONG_PAUSE_MS : SHORT_PAUSE_MS;
    for (int32_t k = 1; k <= 3; k++) {
        throwDice(d);
        analyseThrow(d);
        RequestPaint(PAINT_DICE_STRIP);
        strategy->plan(d, k);
        if (robotPlanned != nullptr)
            robotPlanned(d, k);
        RequestPaint(PAINT_DICE_STRIP);
        CueThrowSound();
        CallHook(frontEnd.pause, pause);
        // Closing the window during the pause abandons the game: nothing more is written.
        if (gameState.turnsLeft <= 0)
            return;
    }
    RequestPaint(PAINT_DICE_STRIP);
    const int32_t row = strategy->chooseRow(d);
    if (row >= 0) {
        gameState.selection = Selection{gameState.currentPlayer, row, 1};
        commitSelection();
    }
    gameState.throwsLeft = 0;
    RequestPaint(PAINT_SHEET);
    CallHook(frontEnd.sendCommitRequest);
}
