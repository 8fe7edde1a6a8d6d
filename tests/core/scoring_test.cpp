#include "core/dice.h"
#include "core/hooks.h"
#include "core/scoring.h"
#include <array>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

namespace {

// Five dice given as pips (1 to 6), in die order; `held` lists die positions.
DiceThrow diceOf(std::initializer_list<int> pips, std::initializer_list<int> held = {}) {
    DiceThrow d{};
    int i = 0;
    for (int p : pips)
        d.face[i++] = p - 1;
    for (int h : held)
        d.held[h] = 1;
    return d;
}

DiceThrow analysed(std::initializer_list<int> pips) {
    DiceThrow d = diceOf(pips);
    analyseThrow(d);
    return d;
}

TEST(RowScore, TheWorkedExampleThrows) {
    struct Case {
        std::initializer_list<int> pips;
        std::vector<std::pair<int32_t, int32_t>> rows; // row, score
    };
    // clang-format off
    const Case cases[] = {
        {{1, 1, 1, 1, 1}, {{ROW_ONES, 5}, {ROW_PAIR, 2}, {ROW_TWO_PAIRS, 0}, {ROW_TRIPLE, 3},
                           {ROW_QUAD, 4}, {ROW_FULL_HOUSE, 0}, {ROW_CHANCE, 5}, {ROW_DYXEL, 50},
                           {ROW_SMALL, 0}}},
        {{2, 2, 3, 3, 3}, {{ROW_PAIR, 6}, {ROW_TWO_PAIRS, 10}, {ROW_TRIPLE, 9}, {ROW_QUAD, 0},
                           {ROW_FULL_HOUSE, 13}, {ROW_CHANCE, 13}}},
        {{5, 5, 6, 6, 1}, {{ROW_PAIR, 12}, {ROW_TWO_PAIRS, 22}, {ROW_TRIPLE, 0}}},
        {{6, 6, 6, 6, 5}, {{ROW_PAIR, 12}, {ROW_TWO_PAIRS, 0}, {ROW_TRIPLE, 18}, {ROW_QUAD, 24},
                           {ROW_FULL_HOUSE, 0}, {ROW_CHANCE, 29}}},
        {{1, 2, 3, 4, 5}, {{ROW_SMALL, 15}, {ROW_LARGE, 0}, {ROW_CHANCE, 15}}},
        {{4, 2, 5, 1, 3}, {{ROW_SMALL, 15}, {ROW_LARGE, 0}, {ROW_CHANCE, 15}}},
        {{2, 3, 4, 5, 6}, {{ROW_LARGE, 20}, {ROW_SMALL, 0}}},
        {{6, 5, 4, 3, 2}, {{ROW_LARGE, 20}, {ROW_SMALL, 0}}},
        {{1, 2, 3, 4, 6}, {{ROW_SMALL, 0}, {ROW_LARGE, 0}}},
        {{6, 1, 6, 1, 6}, {{ROW_FULL_HOUSE, 20}, {ROW_TWO_PAIRS, 14}, {ROW_PAIR, 12}}},
        {{4, 4, 4, 4, 4}, {{ROW_DYXEL, 50}, {ROW_FULL_HOUSE, 0}, {ROW_TWO_PAIRS, 0}}},
        {{3, 5, 3, 6, 3}, {{ROW_ONES, 0}, {ROW_THREES, 9}, {ROW_FIVES, 5}, {ROW_SIXES, 6},
                           {ROW_PAIR, 6}, {ROW_DYXEL, 0}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const DiceThrow d = analysed(c.pips);
        for (const auto& [row, score] : c.rows)
            EXPECT_EQ(rowScore(row, d), score) << "row " << ROW_LABELS[row] << " of dice "
                                               << ::testing::PrintToString(std::vector(c.pips));
    }
}

TEST(RowScore, DerivedAndUnknownRowsScoreNothing) {
    for (const DiceThrow& d : {analysed({6, 6, 6, 6, 6}), analysed({2, 3, 4, 5, 6})})
        for (int32_t row : {-1, (int32_t)ROW_SUM, (int32_t)ROW_BONUS, (int32_t)ROW_TOTAL, 18, 1000})
            EXPECT_EQ(rowScore(row, d), 0) << "row " << row;
}

TEST(AnalyseThrow, SortsTheDiceFindsTheGroupsAndKeepsTheHeldCountPerFace) {
    const int N = NO_FACE;
    const struct {
        std::initializer_list<int> pips, held;
        std::array<int32_t, 5> faces, heldOut;
        int32_t pairCount, pair0, pair1, triple, quad, five;
    } cases[] = {
        {{5, 1, 5, 3, 1}, {0, 4}, {0, 0, 2, 4, 4}, {1, 0, 0, 1, 0}, 2, 0, 4, N, N, N},
        {{3, 2, 3, 2, 3}, {}, {1, 1, 2, 2, 2}, {0, 0, 0, 0, 0}, 1, 1, N, 2, N, N},
        {{6, 5, 6, 6, 6}, {}, {4, 5, 5, 5, 5}, {0, 0, 0, 0, 0}, 0, N, N, N, 5, N},
        {{1, 1, 1, 1, 1}, {}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 0, N, N, N, N, 0},
    };
    for (const auto& c : cases) {
        DiceThrow d = diceOf(c.pips, c.held);
        analyseThrow(d);
        SCOPED_TRACE(::testing::PrintToString(std::vector(c.pips)));
        EXPECT_EQ(std::to_array(d.face), c.faces);
        EXPECT_EQ(std::to_array(d.held), c.heldOut);
        EXPECT_EQ(d.pairCount, c.pairCount);
        EXPECT_EQ(d.pairFace[0], c.pair0);
        EXPECT_EQ(d.pairFace[1], c.pair1);
        EXPECT_EQ(d.tripleFace, c.triple);
        EXPECT_EQ(d.quadFace, c.quad);
        EXPECT_EQ(d.fiveFace, c.five);
    }
}

// Every throw with every hold pattern: sorted, counted, and held dice first within a face.
TEST(AnalyseThrow, EveryThrowAndHoldPattern) {
    for (int code = 0; code < 7776; code++) {
        for (int holds = 0; holds < 32; holds++) {
            DiceThrow d{};
            int32_t count[6] = {}, heldOf[6] = {};
            for (int i = 0, c = code; i < 5; i++, c /= 6) {
                d.face[i] = c % 6;
                d.held[i] = (holds >> i) & 1;
                count[d.face[i]]++;
                heldOf[d.face[i]] += d.held[i];
            }
            analyseThrow(d);
            int32_t seenHeld[6] = {};
            for (int i = 0; i < 5; i++) {
                if (i > 0) {
                    ASSERT_LE(d.face[i - 1], d.face[i]) << code << "/" << holds;
                    if (d.face[i - 1] == d.face[i]) {
                        ASSERT_GE(d.held[i - 1], d.held[i]) << code << "/" << holds;
                    }
                }
                seenHeld[d.face[i]] += d.held[i];
            }
            for (int f = 0; f < 6; f++) {
                ASSERT_EQ(d.faceCount[f], count[f]) << code << "/" << holds;
                ASSERT_EQ(seenHeld[f], heldOf[f]) << code << "/" << holds;
            }
            ASSERT_LE(d.pairCount, 2);
        }
    }
}

// The sheet's invariants, checked independently of the commit.
void expectSheetConsistent(const PlayerSheet& s) {
    int32_t upper = 0, total = 0;
    for (int32_t r = 0; r < ROW_COUNT; r++) {
        if (r == ROW_SUM || r == ROW_BONUS || r == ROW_TOTAL) {
            EXPECT_GE(s.cells[r], 0) << "derived row " << r;
            continue;
        }
        const int32_t v = s.cells[r] > 0 ? s.cells[r] : 0;
        total += v;
        if (r < ROW_SUM)
            upper += v;
    }
    EXPECT_EQ(s.cells[ROW_SUM], upper);
    EXPECT_EQ(s.cells[ROW_BONUS], upper >= 63 ? 50 : 0);
    EXPECT_EQ(s.cells[ROW_TOTAL], total + s.cells[ROW_BONUS]);
}

struct Erase {
    int32_t player, row, cellAtErase;
};
std::vector<Erase> erases;
void recordErase(int32_t player, int32_t row) {
    erases.push_back({player, row, gameState.players[player].cells[row]});
}

class CommitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedHooks = frontEnd;
        frontEnd = FrontEndHooks{};
        frontEnd.eraseCommittedCell = recordErase;
        erases.clear();
        gameState = GameState{};
        gameState.maxPlayers = MAX_SLOTS;
        gameState.playerCount = 2;
        gameState.dice = &dice;
    }
    void TearDown() override {
        frontEnd = savedHooks;
        gameState = GameState{};
    }
    // Proposes the row as a click would, with the dice analysed, and commits it.
    bool commit(int32_t player, int32_t row, std::initializer_list<int> pips) {
        dice = analysed(pips);
        gameState.selection = {player, row, isRowSelectable(player, row) ? 1 : 0};
        return commitSelection();
    }
    const int32_t* cells(int32_t player) const { return gameState.players[player].cells; }
    DiceThrow dice{};
    FrontEndHooks savedHooks{};
};

TEST_F(CommitTest, AZeroScoreIsStoredAsMinusOne) {
    EXPECT_TRUE(commit(1, ROW_LARGE, {1, 1, 2, 3, 4}));
    EXPECT_EQ(cells(1)[ROW_LARGE], -1);
    EXPECT_EQ(cells(1)[ROW_SUM], 0);
    EXPECT_EQ(cells(1)[ROW_TOTAL], 0);
    EXPECT_FALSE(isRowSelectable(1, ROW_LARGE));
    EXPECT_EQ(gameState.selection.selectable, 0);
    EXPECT_TRUE(commit(1, ROW_TWOS, {1, 1, 3, 4, 5}));
    EXPECT_EQ(cells(1)[ROW_TWOS], -1);
    EXPECT_EQ(cells(1)[ROW_SUM], 0);
    expectSheetConsistent(gameState.players[1]);
    for (int32_t r = 0; r < ROW_COUNT; r++)
        EXPECT_EQ(cells(0)[r], 0) << "the other sheet is untouched";
}

TEST_F(CommitTest, TheBonusComesOnceWithTheCommitThatReaches63) {
    const struct {
        int32_t row;
        std::initializer_list<int> pips;
        int32_t sum, bonus, total;
    } steps[] = {
        {ROW_SIXES, {6, 6, 6, 6, 6}, 30, 0, 30},
        {ROW_FIVES, {5, 5, 5, 5, 5}, 55, 0, 55},
        {ROW_THREES, {3, 1, 1, 2, 2}, 58, 0, 58},
        {ROW_TWOS, {2, 2, 1, 1, 4}, 62, 0, 62}, // 62 carries no bonus
        {ROW_ONES, {1, 2, 3, 4, 6}, 63, 50, 113},
        {ROW_FOURS, {4, 4, 1, 2, 3}, 71, 50, 121},  // granted once
        {ROW_CHANCE, {6, 6, 6, 6, 6}, 71, 50, 151}, // a combination row stays out of "summa"
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(ROW_LABELS[s.row]);
        EXPECT_TRUE(commit(0, s.row, s.pips));
        EXPECT_EQ(cells(0)[ROW_SUM], s.sum);
        EXPECT_EQ(cells(0)[ROW_BONUS], s.bonus);
        EXPECT_EQ(cells(0)[ROW_TOTAL], s.total);
        expectSheetConsistent(gameState.players[0]);
    }
    // Scratching every upper row leaves sum and bonus at zero.
    for (int32_t row = ROW_ONES; row <= ROW_SIXES; row++) {
        const int other = row == ROW_ONES ? 2 : 1; // dice that never show the row's face
        EXPECT_TRUE(commit(1, row, {other, other, other, other, other}));
        EXPECT_EQ(cells(1)[row], -1);
    }
    EXPECT_EQ(cells(1)[ROW_SUM], 0);
    EXPECT_EQ(cells(1)[ROW_BONUS], 0);
    EXPECT_EQ(cells(1)[ROW_TOTAL], 0);
}

TEST_F(CommitTest, ACommitErasesItsCellFirst) {
    EXPECT_TRUE(commit(1, ROW_CHANCE, {1, 2, 3, 4, 5}));
    ASSERT_EQ(erases.size(), 1u);
    EXPECT_EQ(erases[0].player, 1);
    EXPECT_EQ(erases[0].row, ROW_CHANCE);
    EXPECT_EQ(erases[0].cellAtErase, 0) << "erased before the score is written";
    EXPECT_EQ(cells(1)[ROW_CHANCE], 15);
}

TEST_F(CommitTest, NothingHappensWithoutAFreeCell) {
    commit(0, ROW_CHANCE, {6, 6, 6, 6, 6});
    erases.clear();
    const GameState before = gameState;
    // A used row, a derived row, a proposal that was not selectable, and a forged one.
    EXPECT_FALSE(commit(0, ROW_CHANCE, {6, 6, 6, 6, 6}));
    EXPECT_FALSE(commit(0, ROW_SUM, {6, 6, 6, 6, 6}));
    for (int32_t row : {(int32_t)ROW_CHANCE, (int32_t)ROW_BONUS, (int32_t)ROW_TOTAL, -1, 18}) {
        gameState.selection = {0, row, 1};
        EXPECT_FALSE(commitSelection()) << "row " << row;
    }
    gameState.selection = {7, ROW_ONES, 1};
    EXPECT_FALSE(commitSelection());
    gameState.selection = {0, ROW_ONES, 0};
    EXPECT_FALSE(commitSelection());
    EXPECT_TRUE(erases.empty());
    for (int p = 0; p < MAX_SLOTS; p++)
        for (int32_t r = 0; r < ROW_COUNT; r++)
            EXPECT_EQ(gameState.players[p].cells[r], before.players[p].cells[r]);
}

} // namespace
