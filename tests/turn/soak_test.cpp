// Thousands of seeded robot games, with every rule of the sheet checked after every turn.
#include "core/dice.h"
#include "core/hooks.h"
#include "core/turn.h"
#include "robot/robot.h"
#include "tests/turn/turn_fixture.h"
#include <array>

namespace {

bool isChosen(int32_t row) {
    return row != ROW_SUM && row != ROW_BONUS && row != ROW_TOTAL;
}

struct Soak {
    std::array<PlayerSheet, MAX_SLOTS> before{};
    std::array<int, MAX_SLOTS> turns{};
    int turnIndex = 0;
    int throwsSeen = 0;
    int gamesEnded = 0;
    uint32_t clock = 0;
} soak;

uint32_t soakClock() {
    return soak.clock;
}

void checkSheet(int32_t p) {
    const int32_t* c = gameState.players[p].cells;
    int32_t upper = 0, total = 0;
    for (int32_t r = 0; r < ROW_COUNT; r++) {
        if (!isChosen(r))
            continue;
        ASSERT_GE(c[r], -1) << "row " << r;
        if (c[r] > 0) {
            ASSERT_LE(c[r], r == ROW_DYXEL ? 50 : 30) << "row " << r;
            total += c[r];
            if (r < ROW_SUM)
                upper += c[r];
        }
    }
    ASSERT_EQ(c[ROW_SUM], upper);
    ASSERT_EQ(c[ROW_BONUS], upper >= 63 ? 50 : 0);
    ASSERT_EQ(c[ROW_TOTAL], total + c[ROW_BONUS]);
}

// Every planning step sees analysed dice: sorted, counted, with 0/1 holds.
void checkThrow(const DiceThrow& d, int32_t k) {
    soak.throwsSeen++;
    ASSERT_TRUE(k >= 1 && k <= 3) << k;
    for (int i = 0; i < 5; i++) {
        ASSERT_TRUE(d.face[i] >= 0 && d.face[i] <= 5 && (d.held[i] == 0 || d.held[i] == 1));
        ASSERT_TRUE(i == 0 || d.face[i - 1] <= d.face[i]) << "analysed dice are sorted";
    }
    int32_t counted = 0;
    for (int32_t f = 0; f < 6; f++)
        counted += d.faceCount[f];
    ASSERT_EQ(counted, 5);
}

// The robot's hand-over: check the turn it has just committed, then pass the turn on.
void checkTurnThenHandOver() {
    const int32_t n = gameState.playerCount;
    const int32_t p = gameState.currentPlayer;
    ASSERT_EQ(p, soak.turnIndex % n) << "turns go in slot order";
    ASSERT_EQ(gameState.turnsLeft, n * 15 - soak.turnIndex);
    ASSERT_EQ(roundNumber(), soak.turnIndex / n + 1);
    ASSERT_EQ(gameState.throwsLeft, 0);
    ASSERT_EQ(gameState.selection.selectable, 0);
    for (int32_t q = 0; q < n; q++) {
        checkSheet(q);
        const PlayerSheet& now = gameState.players[q];
        const PlayerSheet& was = soak.before[q];
        int filled = 0;
        for (int32_t r = 0; r < ROW_COUNT; r++) {
            if (!isChosen(r) || now.cells[r] == was.cells[r])
                continue;
            ASSERT_EQ(q, p) << "only the player in turn writes";
            ASSERT_EQ(was.cells[r], 0) << "a row is written only once";
            filled++;
        }
        if (q == p) {
            ASSERT_EQ(filled, 1) << "each turn fills exactly one row";
        }
        soak.before[q] = now;
    }
    soak.turns[p]++;
    soak.turnIndex++;
    completeTurn();
}

// Fifteen turns of one new row each: every chosen row is filled.
void checkGameEnd() {
    soak.gamesEnded++;
    ASSERT_EQ(gameState.turnsLeft, 0);
    for (int32_t q = 0; q < gameState.playerCount; q++)
        ASSERT_EQ(soak.turns[q], 15);
}

class RobotSoak : public TurnTest {};

TEST_F(RobotSoak, EveryTurnKeepsTheSheetRulesAndEveryGameFillsEverySheet) {
    frontEnd = FrontEndHooks{};
    frontEnd.sendCommitRequest = checkTurnThenHandOver;
    robotPlanned = checkThrow;
    offerResults = checkGameEnd;
    calendarTime = soakClock;
    soak = Soak{};
    soak.clock = 1600000000;
    constexpr int GAMES_PER_SIZE = 600;
    int games = 0;
    for (int32_t robots = 1; robots <= 5; robots++) {
        gameState.playerCount = 0;
        for (int32_t p = 0; p < robots; p++)
            addPlayer("R", true);
        for (int g = 0; g < GAMES_PER_SIZE; g++, games++) {
            // Vary the dice source and the cues, which share the C-runtime generator.
            options.altDice = g % 3 != 0;
            options.throwSound = g % 2;
            options.robotSound = g % 5 != 0;
            soak.clock++;
            soak.before = {};
            soak.turns = {};
            soak.turnIndex = 0;
            resetGame(false);
            newGame();
            ASSERT_FALSE(HasFatalFailure()) << "robots " << robots << " game " << g;
            ASSERT_EQ(soak.gamesEnded, games + 1);
        }
    }
    EXPECT_EQ(soak.throwsSeen, 3 * 15 * GAMES_PER_SIZE * (1 + 2 + 3 + 4 + 5));
}

} // namespace
