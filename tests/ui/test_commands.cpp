// The root window's commands, the new-player dialog's rules, the top-ten panel, and closing the
// window while robots play.
#include "core/settings.h"
#include "platform/dialog.h"
#include "platform/msgbox.h"
#include "store/topten.h"
#include "tests/ui/ui_test.h"
#include "ui/root_window.h"

namespace {

void command(int32_t id) {
    platformEvents.rootCommand(id);
}
std::string names() {
    std::string s;
    for (int32_t p = 0; p < gameState.playerCount; p++)
        s += std::string(gameState.players[p].name) + (gameState.players[p].isRobot ? "*" : "") +
             " ";
    return s;
}

} // namespace

TEST_F(UiTest, OptionsToggleTheirCheckMarksAndReachTheFileAtExit) {
    RunGame([] {
        for (int32_t id : {IDM_ALT_DICE, IDM_UNLIMITED_THROWS, IDM_THROW_SOUND, IDM_ROBOT_SOUND,
                           IDM_LONG_THROWS, IDM_SORTED_THROW, IDM_EXPERT, IDM_LONG_THROWS})
            command(id);
        EXPECT_FALSE(fake.checks[IDM_ALT_DICE]);
        EXPECT_TRUE(fake.checks[IDM_UNLIMITED_THROWS]);
        EXPECT_TRUE(fake.checks[IDM_LONG_THROWS]) << "1200, then 0, then 1";
        EXPECT_TRUE(fake.checks[IDM_EXPERT]);
    });
    // Off, on, off, off, the spare 1 kept, 1, on; then the added options' record, "&Expert" on.
    EXPECT_EQ(FileBytes("state"), std::string("\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0\1\0\0\0"
                                              "\1\0\0\0DYX+\1\0\0\0\b\0\0\0\1\0\0\0\0\0\0\0",
                                              48));
}

// "&Expert" and "&Mästare" name what the robots play: choosing one takes the other away.
TEST_F(UiTest, ExpertAndChampionExcludeEachOther) {
    RunGame([] {
        const struct {
            int32_t command;
            bool expert, champion;
        } steps[] = {{IDM_EXPERT, true, false},
                     {IDM_CHAMPION, false, true},
                     {IDM_EXPERT, true, false},
                     {IDM_EXPERT, false, false},
                     {IDM_CHAMPION, false, true}};
        for (const auto& s : steps) {
            command(s.command);
            EXPECT_EQ(fake.checks[IDM_EXPERT], s.expert) << s.command;
            EXPECT_EQ(fake.checks[IDM_CHAMPION], s.champion) << s.command;
            EXPECT_EQ(extraSettings.expertRobots != 0, s.expert);
            EXPECT_EQ(extraSettings.championRobots != 0, s.champion);
        }
    });
    EXPECT_EQ(FileBytes("state").substr(28),
              std::string("DYX+\1\0\0\0\b\0\0\0\0\0\0\0\1\0\0\0", 20));
}

TEST_F(UiTest, NewGameAndReplayAskBeforeGivingUpAGame) {
    RunGame([] {
        command(IDM_REPLAY); // nobody was ever entered: nothing happens
        EXPECT_EQ(gameState.turnsLeft, 0);
        NewGame({"AB", "-R"});
        EXPECT_EQ(names(), "AB R* ");
        const int32_t turns = gameState.turnsLeft;
        fake.answers = {MBOX_ANSWER_NO};
        NewGame({"X"});
        EXPECT_EQ(fake.boxes.back().text, "Ett spel p\xe5g\xe5r, vill du avbryta det?");
        EXPECT_EQ(fake.boxes.back().caption, "Varning");
        EXPECT_EQ(fake.boxes.back().icon, MBOX_ICON_STOP);
        EXPECT_EQ(fake.boxes.back().style, MBOX_YESNO);
        EXPECT_EQ(names(), "AB R* ");
        EXPECT_EQ(gameState.turnsLeft, turns);
        EXPECT_TRUE(fake.shown[WINDOW_DICE]);
        fake.answers = {MBOX_ANSWER_YES};
        fake.entries = {{"", false, IDC_DONE}};
        command(IDM_NEW_GAME);
        EXPECT_FALSE(fake.shown[WINDOW_DICE]) << "the abandoned turn's dice window goes";
        EXPECT_EQ(gameState.turnsLeft, 0);
        EXPECT_EQ(gameState.playerCount, 0);
        ExpectPicture(WINDOW_ROOT, "sheet-emptied");
        command(IDM_REPLAY);
        EXPECT_EQ(gameState.turnsLeft, 0);
    });
}

TEST_F(UiTest, TheDialogAddsPlayersByItsRules) {
    RunGame([] {
        fake.textWidths["WWW"] = 31; // 31 + 4 reaches W = 35
        fake.entries = {{"Zed", false, IDC_ADD_PLAYER},  {"WWW", true, IDC_ADD_PLAYER},
                        {"ABCDE", true, IDC_ADD_PLAYER}, {"", false, IDC_CANCEL},
                        {"Ann", false, IDC_ADD_PLAYER},  {"Q", false, IDC_ADD_PLAYER},
                        {"Last", false, IDC_ADD_PLAYER}, {"", false, IDC_ADD_PLAYER}};
        command(IDM_NEW_GAME);
        EXPECT_EQ(names(), "Zed ABC* Ann Q Las ");
        EXPECT_EQ(fake.listItems, (std::vector<std::string>{"ABC", "Ann", "Q", "Zed"}));
        ASSERT_EQ(fake.boxes.size(), 1u);
        EXPECT_EQ(fake.boxes[0].caption, "F\xf6r l\xe5ngt!");
        EXPECT_EQ(fake.boxes[0].text, "Dina initiler rymms inte!\nKorta ner eller byt\n");
        EXPECT_EQ(fake.boxes[0].icon, MBOX_ICON_INFORMATION);
        EXPECT_EQ(gameState.turnsLeft, 75) << "the fifth player starts the game";

        fake.answers = {MBOX_ANSWER_YES};
        fake.entries = {{"", true, IDC_ADD_PLAYER}, {"", false, IDC_DONE}};
        command(IDM_NEW_GAME);
        EXPECT_EQ(gameState.playerCount, 0) << "an empty entry adds nobody";
        EXPECT_FALSE(fake.robotChecked);
    });
}

TEST_F(UiTest, TheListIsShownReadAnewClearedAndNamesStayInsideThePanel) {
    RunGame([] {
        command(IDM_SHOW_TOP_TEN);
        ExpectPicture(WINDOW_ROOT, "top-ten-empty");
        // Written by another program: a line feed and a bell inside names, a name without its
        // terminator, a score below 100.
        const std::string list = std::string("A\r\nB\0", 5) + std::string("\x2c\1\0\0", 4) +
                                 std::string("\x07Z\0\0\xc8\0\0\0WXYZ\x07\0\0\0", 16) +
                                 std::string(48, '\0');
        FILE* f = fopen("h_score", "wb");
        fwrite(list.data(), 1, list.size(), f);
        fclose(f);
        InvalidateArea(WINDOW_ROOT, Rect{0, 0, 392, 448});
        UpdateWindowNow(WINDOW_ROOT);
        ExpectPicture(WINDOW_ROOT, "top-ten-odd-names");
        EXPECT_EQ(FileBytes("h_score"), list);
        command(IDM_CLEAR_TOP_TEN);
        ExpectPicture(WINDOW_ROOT, "top-ten-cleared");
    });
    LoadTopTen();
    for (const TopTenEntry& e : topTen.entries)
        EXPECT_EQ(e.name[0] + e.score, 0);
    EXPECT_EQ(topTen.entries[0].name[1], '\n') << "the other name bytes stay";
}

TEST_F(UiTest, AboutAndHelp) {
    RunGame([] {
        command(IDM_ABOUT);
        ASSERT_EQ(fake.boxes.size(), 1u);
        EXPECT_EQ(fake.boxes[0].caption, "Om programmet");
        EXPECT_EQ(fake.boxes[0].text.substr(0, 14), "Version 3.20\r\n");
        EXPECT_EQ(fake.boxes[0].icon, MBOX_ICON_NONE);
        platformEvents.rootKey(KEY_F1);
        EXPECT_TRUE(fake.helpOpen);
    });
    EXPECT_FALSE(fake.helpOpen) << "the help closes with the game";
}

TEST_F(UiTest, ClosingDuringARobotsPauseEndsTheGameTheWayItCan) {
    // A human turn still to come: the game is given up and nothing reaches the list.
    fake.closeAtPause = 2;
    EXPECT_EQ(RunGame([] { NewGame({"-R", "AB"}); }), 0);
    EXPECT_EQ(fake.pauses.size(), 2u);
    EXPECT_EQ(FileBytes("h_score"), "");
    EXPECT_EQ(FileBytes("state").size(), 28u);

    // Only robots' turns left: they finish at once, unseen and unheard, and every result counts.
    FakeReset();
    fake.closeAtPause = 2;
    RunGame([] {
        NewGame({"AB", "-R"});
        gameState.turnsLeft = 2; // the human's last turn
        platformEvents.diceCommand(2006);
        platformEvents.rootLeftDown(0, RowY(ROW_CHANCE));
        platformEvents.rootLeftDoubleClick(0, RowY(ROW_CHANCE));
    });
    EXPECT_EQ(fake.pauses.size(), 2u);
    EXPECT_EQ(fake.sounds.size(), 3u) << "start-up, and the robot's throws before the close";
    LoadTopTen();
    EXPECT_GT(topTen.entries[1].score, 0) << "both results are in the list";
}
