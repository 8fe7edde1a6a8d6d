// The review and the statistics after games with a human who plays badly on purpose.
#include "review/review.h"
#include "store/datafile.h"
#include "store/statistics.h"
#include "tests/ui/ui_test.h"
#include "ui/dice_window.h"
#include "ui/root_window.h"

namespace {

const std::string* lastBox(const char* caption) {
    for (auto b = fake.boxes.rbegin(); b != fake.boxes.rend(); ++b)
        if (b->caption == caption)
            return &b->text;
    return nullptr;
}

// Fifteen turns of the human whose dice window is open: the first throws a "Dyxel" away, every
// turn then stops after its second throw, and the first free row takes the dice.
void playHumanTurns() {
    for (int32_t turn = 1; turn <= TURNS_PER_PLAYER; turn++) {
        ASSERT_TRUE(fake.shown[WINDOW_DICE]) << "turn " << turn;
        if (turn == 1)
            SetDice("66666", "00000");
        platformEvents.diceCommand(IDM_THROW);
        platformEvents.diceCommand(IDM_DONE);
        int32_t row = 0;
        while (!isRowSelectable(gameState.currentPlayer, row))
            row++;
        platformEvents.rootLeftDown(0, RowY(row));
        platformEvents.rootRightDown(0, 0);
    }
}

std::vector<StatisticsEntry> statisticsFile() {
    const std::string raw = FileBytes("statistik");
    std::string text(raw.size(), 0);
    text.resize(DecodeText(reinterpret_cast<const uint8_t*>(raw.data()), raw.size(),
                           reinterpret_cast<uint8_t*>(text.data()), text.size()));
    std::vector<StatisticsEntry> entries;
    EXPECT_TRUE(ParseStatistics(text.data(), text.size(), entries)) << text;
    return entries;
}

} // namespace

TEST_F(UiTest, TheReviewListsTheCostliestDecisionsAndTheStatisticsCountEveryGame) {
    int32_t totals[3][2]{};
    RunGame([&totals] {
        platformEvents.rootCommand(IDM_STATISTICS);
        ASSERT_NE(lastBox("Statistik"), nullptr);
        EXPECT_EQ(lastBox("Statistik")->rfind("Ingen statistik", 0), 0u);
        EXPECT_FALSE(fake.enabled.at(IDM_REVIEW));
        NewGame({"ABC", "-R"});
        platformEvents.rootCommand(IDM_REVIEW); // a key or a stale menu may still send it
        EXPECT_EQ(lastBox("Granskning")->rfind("Granskningen visas n\xe4r", 0), 0u);
        for (int32_t game = 0; game < 3; game++) {
            if (game > 0)
                platformEvents.rootCommand(IDM_REPLAY);
            EXPECT_FALSE(fake.enabled.at(IDM_REVIEW)) << "game " << game;
            playHumanTurns();
            EXPECT_TRUE(fake.enabled.at(IDM_REVIEW)) << "game " << game;
            ASSERT_EQ(gameState.turnsLeft, 0);
            totals[game][0] = gameState.players[0].cells[ROW_TOTAL];
            totals[game][1] = gameState.players[1].cells[ROW_TOTAL];
        }
        // Each turn: the hold after the first throw, stopping after the second, the row.
        const ReviewSummary s = summarizeReview(gameReview.players[0]);
        EXPECT_EQ(s.decisions, 45);
        EXPECT_EQ(gameReview.players[1].count, 0) << "robots are not reviewed";
        platformEvents.rootCommand(IDM_REVIEW);
        const std::string* review = lastBox("Granskning");
        ASSERT_NE(review, nullptr);
        EXPECT_EQ(review->rfind("Granskning av ABC\nF\xf6rlust mot b\xe4sta spel: ", 0), 0u)
            << *review;
        EXPECT_NE(review->find(" po\xe4ng i 45 beslut, "), std::string::npos) << *review;
        EXPECT_EQ(review->find("3 Kast"), std::string::npos);
        platformEvents.rootCommand(IDM_STATISTICS);
        EXPECT_NE(lastBox("Statistik")->find("\nABC: 3 spel, medel "), std::string::npos)
            << *lastBox("Statistik");
    });
    // The last game alone was reviewed; its first turn threw five sixes away.
    const std::string review = *lastBox("Granskning");
    EXPECT_NE(review.find("\nTur 1: 6 6 6 6 6, du sparade inget, b\xe4st 6 6 6 6 6, \x96"),
              std::string::npos)
        << review;

    const std::vector<StatisticsEntry> entries = statisticsFile();
    ASSERT_EQ(entries.size(), 2u);
    for (int32_t p = 0; p < 2; p++) {
        const StatisticsEntry& e = entries[p];
        EXPECT_STREQ(e.name, p == 0 ? "ABC" : "R");
        EXPECT_EQ(e.games, 3);
        EXPECT_EQ(e.totalSum, totals[0][p] + totals[1][p] + totals[2][p]);
        EXPECT_EQ(e.best, std::max({totals[0][p], totals[1][p], totals[2][p]}));
        EXPECT_EQ(e.humanGames, p == 0 ? 3 : 0);
        EXPECT_EQ(e.decisions, p == 0 ? 135 : 0);
        EXPECT_EQ(e.lossMilli > 30000, p == 0) << "a thrown-away Dyxel costs points";
    }
}

TEST_F(UiTest, UnderUnlimitedThrowsTheHoldsAreReviewedAsForThree) {
    RunGame([] {
        platformEvents.rootCommand(IDM_UNLIMITED_THROWS);
        NewGame({"AB"});
        for (int32_t turn = 1; turn <= TURNS_PER_PLAYER; turn++) {
            for (int32_t k = 0; k < 4; k++) // five throws, then the row
                platformEvents.diceCommand(IDM_THROW);
            platformEvents.diceCommand(IDM_DONE);
            int32_t row = 0;
            while (!isRowSelectable(0, row))
                row++;
            platformEvents.rootLeftDown(0, RowY(row));
            platformEvents.rootRightDown(0, 0);
        }
        ASSERT_EQ(gameState.turnsLeft, 0);
        EXPECT_EQ(gameReview.players[0].count, 45);
        for (int32_t i = 0; i < gameReview.players[0].count; i++)
            EXPECT_EQ(gameReview.players[0].decisions[i].kind, i % 3 + 1);
        platformEvents.rootCommand(IDM_REVIEW);
        EXPECT_NE(lastBox("Granskning")->find("Med \"3 Kast\" granskas"), std::string::npos);
    });
}
