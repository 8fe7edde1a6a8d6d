// The order of a game as the windows see it: every hook call, sound and commit, in order.
#include "core/dice.h"
#include "core/hooks.h"
#include "core/scoring.h"
#include "core/turn.h"
#include "store/topten.h"
#include "tests/support/logic_platform.h"
#include "tests/turn/turn_fixture.h"
#include <algorithm>
#include <array>

namespace {

using Strings = std::vector<std::string>;

// The five dice, unsorted, that a game's first throw gives with the present options.
std::array<int32_t, 5> replayFirstThrow() {
    seedRandom();
    DiceThrow fresh{};
    throwDice(fresh);
    return {fresh.face[0], fresh.face[1], fresh.face[2], fresh.face[3], fresh.face[4]};
}

std::array<int32_t, 5> faces(const DiceThrow& d) {
    return {d.face[0], d.face[1], d.face[2], d.face[3], d.face[4]};
}

// The events of the throwing's end: the dice window closes and the sheet and strip repaint.
Strings finished() {
    return {"hide", Ev("paint", PAINT_SHEET), Ev("paint", PAINT_DICE_STRIP)};
}

class HumanTurn : public TurnTest {
  protected:
    void SetUp() override {
        TurnTest::SetUp();
        addPlayer("Eva", false);
    }
    // "&Klar": the dice window ends the throwing itself.
    void klar() {
        gameState.throwsLeft = 0;
        finishThrowing();
    }
    // One "&Kasta": a throw sound, then these events.
    void expectKasta(const Strings& rest) {
        throwAgain();
        Strings e = TakeEvents();
        ASSERT_EQ(e.size(), rest.size() + 1) << ::testing::PrintToString(e);
        const int id = e[0].rfind("sound ", 0) == 0 ? std::stoi(e[0].substr(6)) : 0;
        EXPECT_TRUE(id >= 2402 && id <= 2404) << e[0];
        EXPECT_EQ(Strings(e.begin() + 1, e.end()), rest);
    }
    void propose(int32_t row) { gameState.selection = Selection{gameState.currentPlayer, row, 1}; }
};

TEST_F(HumanTurn, NewGameThrowsOnceSilentlyAndKlarScoresThatThrow) {
    for (int sorted = 0; sorted <= 1; sorted++) {
        SCOPED_TRACE(sorted);
        options.sortedThrow = sorted;
        std::array<int32_t, 5> expected = replayFirstThrow();
        events.clear();
        ClearPlatformRecords();
        newGame();
        // No sound: the automatic throw is silent.
        EXPECT_EQ(TakeEvents(), Concat({{Ev("paint", PAINT_ALL), Ev("paint", PAINT_DICE_STRIP)},
                                        ReleaseAll(),
                                        {"show"}}));
        if (sorted)
            std::sort(expected.begin(), expected.end());
        EXPECT_EQ(faces(dice), expected) << "the dice window shows the throw as it fell";
        EXPECT_EQ(gameState.turnsLeft, 15);
        EXPECT_EQ(gameState.throwsLeft, 2);
        EXPECT_EQ(gameState.diceOnBoard, 0);
        EXPECT_EQ(gameState.currentPlayer, 0);

        // "&Klar" at once scores the first throw, sorted.
        klar();
        EXPECT_EQ(TakeEvents(), finished());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(faces(dice), expected);
        int32_t pips = 0;
        for (int32_t f : expected)
            pips += f + 1;
        propose(ROW_CHANCE);
        completeTurn();
        EXPECT_EQ(cells(0)[ROW_CHANCE], pips);
        EXPECT_EQ(cells(0)[ROW_TOTAL], pips);
        gameState.turnsLeft = 0; // given up, so the next newGame starts afresh
    }
}

TEST_F(HumanTurn, SecondKastClosesTheWindowUnlessThrowsAreUnlimited) {
    for (int32_t unlimited : {0, 1}) {
        SCOPED_TRACE(unlimited);
        options.unlimitedThrows = unlimited;
        gameState.turnsLeft = 0;
        newGame();
        TakeEvents();
        expectKasta({"redraw", Ev("title", 0, 1)});
        if (unlimited) {
            for (int i = 0; i < 3; i++) {
                expectKasta({"redraw"}); // no title, no closing
                EXPECT_EQ(gameState.throwsLeft, 1);
            }
            klar();
            EXPECT_EQ(TakeEvents(), finished());
            continue;
        }
        expectKasta(Concat({{"redraw"}, finished()}));
        EXPECT_EQ(gameState.throwsLeft, 0);
        EXPECT_EQ(gameState.diceOnBoard, 1);
        EXPECT_TRUE(std::is_sorted(dice.face, dice.face + 5)) << "the final dice are always sorted";
        // A further "&Kasta" throws nothing and only finishes again.
        const auto before = faces(dice);
        throwAgain();
        EXPECT_EQ(TakeEvents(), finished());
        EXPECT_EQ(faces(dice), before);
    }
}

TEST_F(HumanTurn, SortedThrowSortsEveryThrowInTheWindow) {
    options.sortedThrow = 1;
    newGame();
    EXPECT_TRUE(std::is_sorted(dice.face, dice.face + 5));
    dice.held[4] = 1; // hold the highest die; the sort keeps it held
    const int32_t kept = dice.face[4];
    throwAgain();
    EXPECT_TRUE(std::is_sorted(dice.face, dice.face + 5));
    ASSERT_EQ(std::count(dice.held, dice.held + 5, 1), 1);
    const int32_t at = static_cast<int32_t>(std::find(dice.held, dice.held + 5, 1) - dice.held);
    EXPECT_EQ(dice.face[at], kept) << "the held die keeps its face and its hold";
}

TEST_F(HumanTurn, HoldAlikeIsAppliedAfterEachKastAndSwitchedOffByTheNextTurn) {
    newGame();
    holdAlikeMode = 1;
    TakeEvents();
    throwAgain();
    EXPECT_EQ(TakeEvents().back(), "applyAlike");
    throwAgain(); // the window closes, and the mode is still applied after it
    Strings e = TakeEvents();
    EXPECT_EQ(e.back(), "applyAlike");
    EXPECT_EQ(e[e.size() - 2], Ev("paint", PAINT_DICE_STRIP));

    propose(ROW_CHANCE);
    completeTurn();
    EXPECT_EQ(holdAlikeMode, 0);
    EXPECT_EQ(std::count(dice.held, dice.held + 5, 0), 5);
}

TEST_F(HumanTurn, CommitRequestsNeedAFinishedThrowAndAProposedFreeCell) {
    newGame();
    propose(ROW_ONES);
    TakeEvents();
    for (int k = 0; k < 2; k++) { // still throwing, with two throws left and with one: ignored
        completeTurn();
        EXPECT_TRUE(TakeEvents().empty());
        EXPECT_EQ(gameState.turnsLeft, 15);
        throwAgain();
        TakeEvents();
    }

    gameState.selection.selectable = 0;
    completeTurn(); // nothing proposed: the human's turn goes on
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_EQ(gameState.turnsLeft, 15);

    propose(ROW_CHANCE);
    completeTurn();
    EXPECT_EQ(TakeEvents(), Concat({{Ev("erase", 0, ROW_CHANCE), Ev("paint", PAINT_SHEET),
                                     Ev("paint", PAINT_DICE_STRIP), Ev("paint", PAINT_CORNER_BOX),
                                     Ev("paint", PAINT_DICE_STRIP)},
                                    ReleaseAll(),
                                    {"show"}}));
    EXPECT_EQ(gameState.turnsLeft, 14);
    EXPECT_EQ(gameState.throwsLeft, 2);
}

TEST_F(HumanTurn, AProposalLeftFromAnAbandonedGameIsNotCommitted) {
    newGame();
    klar();
    propose(ROW_SIXES);
    gameState.turnsLeft = 0; // the player gives the game up with the cell still proposed
    newGame();
    klar();
    completeTurn();
    EXPECT_EQ(cells(0)[ROW_SIXES], 0);
    EXPECT_EQ(gameState.turnsLeft, 15) << "the turn waits for a click of the new game";
}

// Plays a whole game of humans who stop at once and take their first free row.
class TurnPassing : public TurnTest {
  protected:
    struct Seen {
        int32_t player, round;
    };
    std::vector<Seen> play() {
        std::vector<Seen> seen;
        newGame();
        while (gameState.turnsLeft > 0) {
            seen.push_back({gameState.currentPlayer, roundNumber()});
            gameState.throwsLeft = 0;
            finishThrowing();
            int32_t row = 0;
            while (!isRowSelectable(gameState.currentPlayer, row))
                row++;
            gameState.selection = Selection{gameState.currentPlayer, row, 1};
            completeTurn();
        }
        return seen;
    }
};

TEST_F(TurnPassing, PlayersTakeTurnsInSlotOrderForFifteenRounds) {
    for (int32_t n : {1, 3}) {
        SCOPED_TRACE(n);
        gameState.playerCount = 0;
        for (int32_t p = 0; p < n; p++)
            addPlayer("P", false);
        resetGame(false);
        const auto seen = play();
        ASSERT_EQ(seen.size(), 15u * n);
        for (size_t i = 0; i < seen.size(); i++) {
            EXPECT_EQ(seen[i].player, static_cast<int32_t>(i % n));
            EXPECT_EQ(seen[i].round, static_cast<int32_t>(i / n) + 1);
        }
        for (int32_t p = 0; p < n; p++)
            for (int32_t r = 0; r < ROW_COUNT; r++)
                if (r != ROW_SUM && r != ROW_BONUS && r != ROW_TOTAL) {
                    EXPECT_NE(cells(p)[r], 0) << "player " << p << " row " << r;
                }
    }
}

TEST_F(TurnPassing, TheLastCommitEndsTheGameAndOffersEveryTotalInSlotOrder) {
    for (const char* n : {"A", "B", "C"})
        addPlayer(n, false);
    newGame();
    // Jump to the last turn: every sheet full but C's "Chans", and A and B tied on 40.
    for (int32_t p = 0; p < 3; p++)
        for (int32_t r = 0; r < ROW_COUNT; r++)
            cells(p)[r] = (r == ROW_SUM || r == ROW_BONUS || r == ROW_TOTAL) ? 0 : -1;
    cells(0)[ROW_CHANCE] = cells(0)[ROW_TOTAL] = 40;
    cells(1)[ROW_CHANCE] = cells(1)[ROW_TOTAL] = 40;
    cells(2)[ROW_CHANCE] = 0;
    gameState.currentPlayer = 2;
    gameState.turnsLeft = 1;
    gameState.throwsLeft = 0;
    setDice({6, 6, 6, 6, 6});
    gameState.selection = Selection{2, ROW_CHANCE, 1};
    TakeEvents();
    completeTurn();
    EXPECT_EQ(TakeEvents(), (Strings{Ev("erase", 2, ROW_CHANCE), Ev("paint", PAINT_SHEET),
                                     Ev("paint", PAINT_DICE_STRIP), Ev("paint", PAINT_CORNER_BOX),
                                     "activate", "logo", Ev("paint", PAINT_TOP_TEN)}));
    EXPECT_EQ(gameState.turnsLeft, 0);
    EXPECT_EQ(gameState.topTenShown, 1);

    topTen = TopTenList{};
    LoadTopTen();
    // Best first; A and B are tied, and a tie keeps the order of the offers: A came first.
    const std::pair<const char*, int> expected[] = {{"A", 40}, {"B", 40}, {"C", 30}, {"", 0}};
    for (int i = 0; i < 4; i++) {
        EXPECT_STREQ(topTen.entries[i].name, expected[i].first) << i;
        EXPECT_EQ(topTen.entries[i].score, expected[i].second) << i;
    }
}

} // namespace
