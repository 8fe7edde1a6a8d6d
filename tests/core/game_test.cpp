#include "core/game.h"
#include <cstring>
#include <gtest/gtest.h>

namespace {

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override { gameState = GameState{}; }
    void TearDown() override { gameState = GameState{}; }
    // Three players in the middle of a game, a cell proposed.
    void fillGame() {
        gameState.maxPlayers = MAX_SLOTS;
        gameState.playerCount = 3;
        const char* names[] = {"AB", "R2", "XYZ"};
        for (int p = 0; p < 3; p++) {
            PlayerSheet& s = gameState.players[p];
            std::strcpy(s.name, names[p]);
            s.isRobot = p == 1;
            for (int32_t r = 0; r < ROW_COUNT; r++)
                s.cells[r] = (r * 7 + p) % 5 - 1;
        }
        gameState.currentPlayer = 2;
        gameState.turnsLeft = 17;
        gameState.selection = {2, ROW_CHANCE, 1};
    }
};

TEST_F(GameTest, RowLabelsAreSixCharacters) {
    for (int32_t r = 0; r < ROW_COUNT; r++)
        EXPECT_EQ(std::strlen(ROW_LABELS[r]), 6u) << "row " << r;
    EXPECT_STREQ(ROW_LABELS[ROW_FULL_HOUSE], "K\xe5k   ");
    EXPECT_STREQ(ROW_LABELS[ROW_QUAD], "Fyrtal");
}

TEST_F(GameTest, RoundNumbers) {
    gameState.playerCount = 1;
    for (auto [turns, round] : {std::pair{15, 1}, {14, 2}, {1, 15}}) {
        gameState.turnsLeft = turns;
        EXPECT_EQ(roundNumber(), round) << "one player, turnsLeft " << turns;
    }
    gameState.playerCount = 2;
    for (auto [turns, round] : {std::pair{30, 1}, {29, 1}, {28, 2}, {27, 2}, {2, 15}, {1, 15}}) {
        gameState.turnsLeft = turns;
        EXPECT_EQ(roundNumber(), round) << "two players, turnsLeft " << turns;
    }
    gameState.turnsLeft = 0;
    EXPECT_EQ(roundNumber(), 0) << "no game running";
}

TEST_F(GameTest, ResetKeepsOrEmptiesThePlayerList) {
    for (bool clearPlayers : {false, true}) {
        SCOPED_TRACE(clearPlayers);
        fillGame();
        resetGame(clearPlayers);
        EXPECT_EQ(gameState.playerCount, clearPlayers ? 0 : 3);
        EXPECT_EQ(gameState.currentPlayer, 0);
        EXPECT_EQ(gameState.turnsLeft, 0);
        EXPECT_STREQ(gameState.players[0].name, clearPlayers ? "" : "AB");
        EXPECT_STREQ(gameState.players[2].name, clearPlayers ? "" : "XYZ");
        EXPECT_EQ(gameState.players[1].isRobot, 1) << "adding a player sets it anew";
        for (int p = 0; p < MAX_SLOTS; p++)
            for (int32_t r = 0; r < ROW_COUNT; r++)
                EXPECT_EQ(gameState.players[p].cells[r], 0) << "player " << p << " row " << r;
        // A proposal left from the aborted game cannot be committed in the next one.
        EXPECT_EQ(gameState.selection.selectable, 0);
    }
    // Before the dialog has opened no slot is cleared.
    fillGame();
    gameState.maxPlayers = 0;
    resetGame(true);
    EXPECT_EQ(gameState.playerCount, 0);
    EXPECT_STREQ(gameState.players[0].name, "AB");
    EXPECT_EQ(gameState.players[0].cells[ROW_TOTAL], (17 * 7) % 5 - 1);
}

TEST_F(GameTest, SelectableRowsAreTheFreeChosenRows) {
    PlayerSheet& s = gameState.players[1];
    s.cells[ROW_ONES] = -1;
    s.cells[ROW_CHANCE] = 22;
    for (int32_t r = 0; r < ROW_COUNT; r++) {
        const bool derived = r == ROW_SUM || r == ROW_BONUS || r == ROW_TOTAL;
        const bool free = r != ROW_ONES && r != ROW_CHANCE;
        EXPECT_EQ(isRowSelectable(1, r), free && !derived) << "row " << r;
        EXPECT_EQ(isCellEmpty(1, r), free) << "row " << r;
    }
    s.cells[ROW_SUM] = 5;
    EXPECT_FALSE(isCellEmpty(1, ROW_SUM));
    for (auto [player, row] : {std::pair{-1, 0}, {MAX_SLOTS, 0}, {0, -1}, {0, ROW_COUNT}}) {
        EXPECT_FALSE(isRowSelectable(player, row)) << player << "/" << row;
        EXPECT_FALSE(isCellEmpty(player, row)) << player << "/" << row;
    }
}

} // namespace
