#include "store/topten.h"
#include "tests/ui/ui_test.h"
#include "ui/dice_window.h"
#include "ui/pointer.h"
#include "ui/root_window.h"
#include <filesystem>

namespace {

int filledRows(int player) {
    int n = 0;
    for (int r = 0; r < ROW_COUNT; r++)
        if (r != ROW_SUM && r != ROW_BONUS && r != ROW_TOTAL &&
            gameState.players[player].cells[r] != 0)
            n++;
    return n;
}

} // namespace

TEST_F(UiTest, HumanTurnThroughTheRootWindowThenTheRobotPlays) {
    fake.dialogSteps = {Add("ABC"), Add("R", true), Done()};
    platformEvents.rootCommand(IDM_NEW_GAME);
    ASSERT_EQ(gameState.turnsLeft, 30);
    EXPECT_EQ(fake.title[WINDOW_DICE], "Spelare: ABC   Kvar: 2");
    EXPECT_TRUE(fake.shown[WINDOW_DICE]);

    // While the human throws, the sheet takes no click and no commit.
    platformEvents.rootLeftDown(100, 19 * 16 + 1);
    platformEvents.rootLeftDoubleClick(100, 19 * 16 + 1);
    EXPECT_EQ(gameState.selection.selectable, 0);
    EXPECT_EQ(filledRows(0), 0);

    platformEvents.diceCommand(IDM_DONE);
    ASSERT_EQ(gameState.throwsLeft, 0);
    EXPECT_FALSE(fake.shown[WINDOW_DICE]);
    // A right click with nothing proposed keeps the turn.
    platformEvents.rootRightDown(0, 0);
    EXPECT_EQ(gameState.turnsLeft, 30);

    FakeClearLog();
    platformEvents.rootLeftDown(100, 19 * 16 + 1); // "Chans": never zero
    EXPECT_EQ(previewShown, 1);
    EXPECT_EQ(FakeLinesContaining("root: rect (90,308,121,323) pen 2 800080").size(), 1u);
    const size_t pausesBefore = fake.pauses.size();
    EXPECT_TRUE(FakeLogged(RootText("  0", 94, 22 + 19 * ROW_SUM, BLACK)));
    const int committed = static_cast<int>(fake.log.size());
    platformEvents.rootLeftDoubleClick(100, 19 * 16 + 1);
    EXPECT_GT(gameState.players[0].cells[ROW_CHANCE], 0);
    // The commit takes the preview's "  0" of "summa" away; the sheet draws no zero there.
    const int erased =
        FakeIndexOf("root: rect (90,137,121,152) pen 2 ffffff brush white", committed);
    EXPECT_GT(erased, committed);
    for (size_t i = static_cast<size_t>(committed); i < fake.log.size(); i++)
        EXPECT_EQ(fake.log[i].find("'  0' at (94,136)"), std::string::npos) << fake.log[i];
    EXPECT_EQ(filledRows(0), 1);
    EXPECT_EQ(previewShown, 0) << "the commit takes the preview away";
    // The robot's turn ran inside the commit, paused between throws, and handed back.
    EXPECT_EQ(filledRows(1), 1);
    EXPECT_GT(fake.pauses.size(), pausesBefore);
    for (int32_t ms : fake.pauses)
        EXPECT_EQ(ms, 1800) << "\"&Långa kast\" is on by default";
    EXPECT_EQ(gameState.turnsLeft, 28);
    EXPECT_EQ(gameState.currentPlayer, 0);
    EXPECT_TRUE(fake.shown[WINDOW_DICE]);
    EXPECT_EQ(fake.title[WINDOW_DICE], "Spelare: ABC   Kvar: 2");
    EXPECT_TRUE(FakeLogged(RootText("Omg\xe5ng: 2", 274, 413, BLACK)));
    EXPECT_TRUE(FakeLogged(RootText("R", 126, 4, GREEN)));
}

TEST_F(UiTest, RobotsOnlyGamePlaysToTheEndAfterTheDialog) {
    testSettings.longThrows = 0;
    fake.dialogSteps = {Add("R1", true), Add("R2", true), Done()};
    fake.onLog = [](const std::string& line) {
        EXPECT_FALSE(fake.dialogRunning && line.rfind("pause", 0) == 0)
            << "no game runs inside the dialog";
    };
    platformEvents.rootCommand(IDM_NEW_GAME);
    fake.onLog = nullptr;
    EXPECT_EQ(gameState.turnsLeft, 0);
    EXPECT_EQ(filledRows(0), 15);
    EXPECT_EQ(filledRows(1), 15);
    EXPECT_EQ(gameState.topTenShown, 1);
    EXPECT_FALSE(fake.shown[WINDOW_DICE]);
    for (int32_t ms : fake.pauses)
        EXPECT_EQ(ms, 600);
    // The list was offered both totals and is on show; the logo is back in the corner.
    const int32_t totals[] = {gameState.players[0].cells[ROW_TOTAL],
                              gameState.players[1].cells[ROW_TOTAL]};
    topTen = TopTenList{};
    LoadTopTen();
    const int high = totals[0] >= totals[1] ? 0 : 1;
    EXPECT_EQ(topTen.entries[0].score, totals[high]);
    EXPECT_EQ(topTen.entries[1].score, totals[1 - high]);
    EXPECT_STREQ(topTen.entries[0].name, high == 0 ? "R1" : "R2");
    char score[8];
    std::snprintf(score, sizeof score, "%3d", totals[high]);
    EXPECT_TRUE(FakeLogged(RootText(score, 329, 16, BLACK)));
    const int logo = FakeIndexOf("root: copy picture 116 from (0,0) to (272,360) size 120x88");
    EXPECT_GT(logo, 0);
    EXPECT_GT(FakeIndexOf("root: fill (281,8,357,214) white", logo), logo);
    EXPECT_TRUE(FakeLinesContaining(GREEN).size() <= FakeLinesContaining("paint root").size());
}

TEST_F(UiTest, ClosingDuringARobotPauseStopsTheGame) {
    fake.quitAtPause = 3;
    fake.dialogSteps = {Add("R1", true), Add("R2", true), Done()};
    platformEvents.rootCommand(IDM_NEW_GAME);
    EXPECT_EQ(gameState.turnsLeft, 0);
    EXPECT_EQ(fake.pauses.size(), 3u) << "no robot pauses again after the close request";
    EXPECT_EQ(gameState.topTenShown, 0);
    EXPECT_FALSE(std::filesystem::exists("h_score")) << "nothing offered to the top-ten list";
    EXPECT_LE(filledRows(0) + filledRows(1), 1);
}
