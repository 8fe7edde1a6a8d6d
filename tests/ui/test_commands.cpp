#include "platform/msgbox.h"
#include "res/resources.h"
#include "store/topten.h"
#include "tests/ui/ui_test.h"
#include "ui/dice_window.h"
#include "ui/root_window.h"
#include <cstring>
#include <fstream>

namespace {

void command(int32_t id) {
    platformEvents.rootCommand(id);
}

} // namespace

TEST_F(UiTest, SixOptionsToggleTheirFieldAndCheckMark) {
    const struct {
        int32_t id;
        int32_t Settings::*field;
    } options[] = {
        {IDM_ALT_DICE, &Settings::altDice},
        {IDM_UNLIMITED_THROWS, &Settings::unlimitedThrows},
        {IDM_THROW_SOUND, &Settings::throwSound},
        {IDM_ROBOT_SOUND, &Settings::robotSound},
        {IDM_LONG_THROWS, &Settings::longThrows},
        {IDM_SORTED_THROW, &Settings::sortedThrow},
    };
    for (const auto& o : options) {
        const Settings before = testSettings;
        const bool wasOn = testSettings.*o.field != 0;
        command(o.id);
        EXPECT_EQ(testSettings.*o.field, wasOn ? 0 : 1) << o.id;
        EXPECT_EQ(fake.menuChecks[o.id], !wasOn) << o.id;
        command(o.id);
        EXPECT_EQ(testSettings.*o.field, wasOn ? 1 : 0) << o.id;
        EXPECT_EQ(fake.menuChecks[o.id], wasOn) << o.id;
        EXPECT_EQ(testSettings.spareOption, before.spareOption);
    }
    testSettings.longThrows = 1200;
    command(IDM_LONG_THROWS);
    EXPECT_EQ(testSettings.longThrows, 0);
    command(IDM_LONG_THROWS);
    EXPECT_EQ(testSettings.longThrows, 1);
    EXPECT_FALSE(std::ifstream("state").good()) << "options reach the disk only at exit";
}

TEST_F(UiTest, TopTenCommandsShowAndClearThePanel) {
    topTen.entries[0] = TopTenEntry{"AB", 99};
    SaveTopTen();
    FakeClearLog();
    command(IDM_SHOW_TOP_TEN);
    EXPECT_EQ(gameState.topTenShown, 1);
    ExpectLogged({PANEL, RootText(" 99", 329, 16, BLACK)});

    FakeClearLog();
    command(IDM_CLEAR_TOP_TEN);
    EXPECT_EQ(gameState.topTenShown, 0);
    EXPECT_FALSE(FakeLogged(PANEL));
    EXPECT_TRUE(FakeLogged("invalidate root (281,8,357,214)"));
    const std::string bytes = FileBytes("h_score");
    ASSERT_EQ(bytes.size(), 80u);
    for (int i = 0; i < 10; i++) {
        EXPECT_EQ(bytes[8 * i], 0);
        EXPECT_EQ(bytes.substr(8 * i + 4, 4), std::string(4, '\0'));
    }

    // Cleared while hidden: emptied and written, not shown.
    topTen.entries[0] = TopTenEntry{"AB", 99};
    SaveTopTen();
    FakeClearLog();
    command(IDM_CLEAR_TOP_TEN);
    EXPECT_EQ(gameState.topTenShown, 0);
    EXPECT_TRUE(fake.log.empty());
    EXPECT_EQ(FileBytes("h_score").substr(4, 4), std::string(4, '\0'));
}

TEST_F(UiTest, WarningBoxGuardsARunningGame) {
    for (int32_t id : {IDM_NEW_GAME, IDM_REPLAY}) {
        AddPlayers({"AB", "CD"});
        gameState.players[1].cells[ROW_CHANCE] = 21;
        gameState.topTenShown = 1;
        const GameState before = gameState;
        fake.yesNoAnswers = {MBOX_ANSWER_NO};
        FakeClearLog();
        fake.boxes.clear();
        command(id);
        EXPECT_EQ(
            fake.log,
            std::vector<std::string>{"box 'Ett spel p\xe5g\xe5r, vill du avbryta det?' 'Varning'"})
            << "answered No, nothing else happens";
        EXPECT_EQ(fake.boxes[0].style, MBOX_YESNO);
        EXPECT_EQ(fake.boxes[0].icon, MBOX_ICON_STOP);
        EXPECT_FALSE(fake.boxes[0].owned);
        EXPECT_EQ(gameState.turnsLeft + gameState.playerCount + gameState.topTenShown, 30 + 2 + 1);
        EXPECT_EQ(std::memcmp(gameState.players, before.players, sizeof before.players), 0);
        gameState = GameState{};
        gameState.dice = &testDice;
    }

    // Yes to "&Nytt spel": the dialog opens with an empty list and the old sheets cleared.
    AddPlayers({"AB", "CD"});
    gameState.players[1].cells[ROW_CHANCE] = 21;
    fake.yesNoAnswers = {MBOX_ANSWER_YES};
    fake.boxes.clear();
    int32_t playersInDialog = -1;
    fake.dialogSteps = {Done()};
    fake.onLog = [&](const std::string& line) {
        if (line == "dialog run")
            playersInDialog = gameState.playerCount;
    };
    command(IDM_NEW_GAME);
    fake.onLog = nullptr;
    EXPECT_EQ(playersInDialog, 0);
    EXPECT_EQ(gameState.turnsLeft, 0);
    EXPECT_EQ(gameState.players[1].cells[ROW_CHANCE], 0);
    EXPECT_EQ(gameState.maxPlayers, 5);
    EXPECT_EQ(fake.boxes.size(), 1u) << "the second pass asks no more";
}

TEST_F(UiTest, AbandoningAHumanTurnTakesTheDiceWindowAway) {
    AddPlayers({"AB"});
    gameState.throwsLeft = 2;
    ShowDiceWindow();
    ASSERT_TRUE(fake.shown[WINDOW_DICE]);
    fake.yesNoAnswers = {MBOX_ANSWER_YES};
    fake.dialogSteps = {Done()};
    command(IDM_NEW_GAME);
    EXPECT_FALSE(fake.shown[WINDOW_DICE]);
    EXPECT_EQ(diceWindowShown, 0);
    // A stale command of that window changes nothing.
    platformEvents.diceCommand(IDM_THROW);
    EXPECT_EQ(gameState.throwsLeft, 2);
}

TEST_F(UiTest, ReplayWithoutPlayersOnlyHidesTheTopTen) {
    gameState.topTenShown = 1;
    command(IDM_REPLAY);
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(gameState.topTenShown, 0);
    EXPECT_TRUE(FakeLogged("invalidate root (281,8,357,214)"));
    EXPECT_EQ(gameState.turnsLeft, 0);
    EXPECT_EQ(gameState.sheetVisible, 0);
    EXPECT_EQ(FakeCount("paint root"), 1);
}

TEST_F(UiTest, AboutHelpQuitAndStrangers) {
    command(IDM_ABOUT);
    ResourceData about{};
    ASSERT_TRUE(FindResourceData(IDT_ABOUT, &about));
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
              std::string(reinterpret_cast<const char*>(about.data), about.size));
    EXPECT_EQ(fake.boxes[0].caption, "Om programmet");
    EXPECT_EQ(fake.boxes[0].style, MBOX_OK);
    EXPECT_EQ(fake.boxes[0].icon, MBOX_ICON_NONE);
    EXPECT_TRUE(fake.boxes[0].owned);

    command(IDM_HELP);
    EXPECT_TRUE(fake.helpOpen);
    FakeClearLog();
    for (int32_t id : {1000, 1014, 2001, 0, -1})
        command(id);
    EXPECT_TRUE(fake.log.empty());
    command(IDM_QUIT);
    EXPECT_FALSE(fake.helpOpen);
    EXPECT_FALSE(fake.exists[WINDOW_ROOT]);
    EXPECT_LT(FakeIndexOf("help close"), FakeIndexOf("close root"));
}
