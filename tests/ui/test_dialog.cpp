#include "platform/msgbox.h"
#include "tests/ui/ui_test.h"
#include "ui/root_window.h"

namespace {

void newGameWith(std::vector<FakeDialogStep> steps) {
    fake.dialogSteps = std::move(steps);
    platformEvents.rootCommand(IDM_NEW_GAME);
}

} // namespace

TEST_F(UiTest, DialogTakesThreeInitialsClearsItsFieldsAndIgnoresEscape) {
    newGameWith({Add("ABCDE", true), Add("K\xe5L"), {"CD", true, IDC_CANCEL}, {"CD", true, 9999}});
    EXPECT_TRUE(FakeLogged("dialog front"));
    EXPECT_EQ(gameState.maxPlayers, 5);
    EXPECT_FALSE(fake.dialogEnded) << "two players, Escape and no \"Klar\" yet";
    EXPECT_EQ(fake.dialogStepsRun, 4);
    ASSERT_EQ(gameState.playerCount, 2);
    EXPECT_STREQ(gameState.players[0].name, "ABC");
    EXPECT_EQ(gameState.players[0].isRobot, 1);
    EXPECT_STREQ(gameState.players[1].name, "K\xe5L");
    EXPECT_EQ(gameState.players[1].isRobot, 0);
    EXPECT_EQ(fake.listItems, (std::vector<std::string>{"ABC", "K\xe5L"}));
    EXPECT_EQ(FakeCount("dialog edit ''"), 2);
    EXPECT_EQ(FakeCount("dialog robot off"), 2);
    EXPECT_EQ(FakeCount("dialog focus edit"), 3);
    EXPECT_EQ(gameState.turnsLeft, 0) << "an open dialog starts nothing";
}

TEST_F(UiTest, DialogEndsInThreeWaysAndTheGameStartsAfterIt) {
    // The fifth player ends it at once and is never echoed.
    newGameWith({Add("A"), Add("B"), Add("C"), Add("D"), Add("E"), Add("F")});
    EXPECT_TRUE(fake.dialogEnded);
    EXPECT_EQ(fake.dialogStepsRun, 5);
    EXPECT_EQ(gameState.playerCount, 5);
    EXPECT_EQ(fake.listItems.size(), 4u);
    EXPECT_EQ(gameState.turnsLeft, 75);
    EXPECT_EQ(gameState.sheetVisible, 1);
    EXPECT_GT(FakeIndexOf("show dice"), FakeIndexOf("dialog closed"));

    // An empty "Lägg till" after two players, exactly like "Klar".
    for (int32_t last : {IDC_ADD_PLAYER, IDC_DONE}) {
        gameState.turnsLeft = 0;
        FakeClearLog();
        newGameWith({Add("Zed"), Add("Ann"), FakeDialogStep{"", false, last}});
        EXPECT_TRUE(fake.dialogEnded);
        EXPECT_EQ(gameState.playerCount, 2);
        EXPECT_STREQ(gameState.players[0].name, "Zed") << "order of entry is order of play";
        EXPECT_EQ(fake.listItems, (std::vector<std::string>{"Zed", "Ann"}));
        EXPECT_EQ(gameState.turnsLeft, 30);
        EXPECT_EQ(gameState.currentPlayer, 0);
    }
}

TEST_F(UiTest, DialogWithNobodyStartsNothing) {
    newGameWith({Add(""), Done()});
    EXPECT_TRUE(fake.dialogEnded);
    EXPECT_EQ(fake.dialogStepsRun, 2) << "an empty first entry does not end it";
    EXPECT_EQ(gameState.playerCount, 0);
    EXPECT_TRUE(fake.listItems.empty());
    EXPECT_EQ(gameState.turnsLeft, 0);
    EXPECT_EQ(gameState.sheetVisible, 0);
    FakeClearLog();
    platformEvents.rootCommand(IDM_REPLAY);
    EXPECT_EQ(gameState.turnsLeft, 0);
    EXPECT_TRUE(FakeLinesContaining("dice").empty());
}

TEST_F(UiTest, TooWideInitialsAreRefusedByTheirMeasuredWidth) {
    fake.textWidths["WWW"] = 31; // 31 + 4 reaches W = 35
    fake.textWidths["MM"] = 30;
    fake.dialogSteps = {Add("WWW", true), Add("MM"), Done()};
    fake.onLog = [](const std::string& line) {
        if (line.rfind("box ", 0) == 0) {
            EXPECT_EQ(fake.editText, "WWW") << "the fields keep their content";
            EXPECT_TRUE(fake.robotChecked);
        }
    };
    platformEvents.rootCommand(IDM_NEW_GAME);
    fake.onLog = nullptr;
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Dina initiler rymms inte!\nKorta ner eller byt\n");
    EXPECT_EQ(fake.boxes[0].caption, "F\xf6r l\xe5ngt!");
    EXPECT_EQ(fake.boxes[0].style, MBOX_OK);
    EXPECT_EQ(fake.boxes[0].icon, MBOX_ICON_INFORMATION);
    EXPECT_TRUE(fake.boxes[0].owned);
    ASSERT_EQ(gameState.playerCount, 1);
    EXPECT_STREQ(gameState.players[0].name, "MM");
}
