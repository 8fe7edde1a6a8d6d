#include "tests/ui/ui_test.h"
#include "ui/pointer.h"
#include "ui/root_window.h"

namespace {

// The y of a click on row r, anywhere within its hit band.
int rowY(int r) {
    return 19 * (r + 1) + 5;
}

std::string valueAt(const std::string& text, int row, const char* colour, int column = 0) {
    return UiTest::RootText(text, 94 + 35 * column, 22 + 19 * row, colour);
}

std::string cellBox(int row, const char* penAndBrush, int column = 0) {
    return "root: rect (" + std::to_string(90 + 35 * column) + "," + std::to_string(23 + 19 * row) +
           "," + std::to_string(121 + 35 * column) + "," + std::to_string(38 + 19 * row) + ") " +
           penAndBrush;
}

constexpr const char* OUTLINE = "pen 2 800080 brush hollow";
constexpr const char* ERASE = "pen 2 ffffff brush white";

} // namespace

TEST_F(UiTest, OnlyTheHeightOfAClickChoosesTheRow) {
    AddPlayers({"AB", "CD"});
    gameState.currentPlayer = 1;
    for (int y = 0; y <= 37; y++)
        EXPECT_EQ(HitTestSheet(500, y).row, 0) << y;
    EXPECT_EQ(HitTestSheet(0, 38).row, 1);
    for (int r = 0; r < 16; r++) {
        EXPECT_EQ(HitTestSheet(3, 19 * (r + 1)).row, r);
        EXPECT_EQ(HitTestSheet(3, 19 * (r + 2) - 1).row, r);
    }
    EXPECT_EQ(HitTestSheet(0, 322).row, 15);
    for (int y : {323, 363, 447, 65535})
        EXPECT_EQ(HitTestSheet(10, y).row, 16) << y;
    EXPECT_EQ(HitTestSheet(10, 100).player, 1);
}

TEST_F(UiTest, PreviewShowsWouldBeSumsAndBonusThenTakesThemBack) {
    AddPlayers({"AB"});
    gameState.throwsLeft = 0;
    int32_t* cells = gameState.players[0].cells;
    cells[ROW_SIXES] = 24;
    cells[ROW_FOURS] = 16;
    cells[ROW_TWOS] = 10;
    cells[ROW_SUM] = 50;
    cells[ROW_CHANCE] = 20;
    cells[ROW_TOTAL] = 70;

    SetDice({5, 5, 5, 1, 2});
    OnRootLeftDown(300, rowY(ROW_FIVES));
    EXPECT_EQ(gameState.selection.row, ROW_FIVES);
    EXPECT_EQ(gameState.selection.selectable, 1);
    EXPECT_TRUE(FakeLogged(valueAt(" 15", ROW_FIVES, BLACK)));
    EXPECT_TRUE(FakeLogged(valueAt(" 65", ROW_SUM, BLACK)));
    EXPECT_TRUE(FakeLogged(valueAt(" 50", ROW_BONUS, BLACK)));
    EXPECT_TRUE(FakeLogged(valueAt("135", ROW_TOTAL, BLACK)));
    EXPECT_TRUE(FakeLogged(cellBox(ROW_FIVES, OUTLINE)));
    EXPECT_EQ(previewShown, 1);

    FakeClearLog();
    SetDice({3, 3, 3, 3, 6});
    OnRootLeftDown(300, rowY(ROW_THREES));
    // The earlier cell and its sums are painted white first, the bonus cell with them.
    const int erased = FakeIndexOf(cellBox(ROW_FIVES, ERASE));
    ASSERT_GE(erased, 0);
    EXPECT_LT(erased, FakeIndexOf(valueAt(" 12", ROW_THREES, BLACK)));
    EXPECT_TRUE(FakeLogged(cellBox(ROW_SUM, ERASE)));
    EXPECT_TRUE(FakeLogged(cellBox(ROW_TOTAL, ERASE)));
    EXPECT_TRUE(FakeLogged(valueAt(" 62", ROW_SUM, BLACK)));
    EXPECT_TRUE(FakeLogged(cellBox(ROW_BONUS, ERASE)));
    EXPECT_TRUE(FakeLogged(valueAt(" 82", ROW_TOTAL, BLACK)));
    EXPECT_TRUE(FakeLinesContaining("' 50'").empty());
    EXPECT_EQ(shownSelection.row, ROW_THREES);
    // The preview writes nothing into the sheet.
    EXPECT_EQ(cells[ROW_SUM], 50);
    EXPECT_EQ(cells[ROW_THREES], 0);
}

TEST_F(UiTest, PreviewOfZeroAndOfLowerRows) {
    AddPlayers({"AB"});
    gameState.throwsLeft = 0;
    SetDice({1, 2, 3, 5, 6});
    OnRootLeftDown(0, rowY(ROW_DYXEL));
    EXPECT_TRUE(FakeLogged(valueAt("=#=", ROW_DYXEL, RED)));
    EXPECT_TRUE(FakeLogged(valueAt("  0", ROW_SUM, BLACK))) << "summa is shown even when 0";
    EXPECT_TRUE(FakeLogged(valueAt("  0", ROW_TOTAL, BLACK)));
    EXPECT_TRUE(FakeLogged(cellBox(ROW_BONUS, ERASE)));

    // With the bonus already won the bonus cell is left alone.
    FakeClearLog();
    gameState.players[0].cells[ROW_SUM] = 70;
    gameState.players[0].cells[ROW_BONUS] = 50;
    gameState.players[0].cells[ROW_TOTAL] = 120;
    OnRootLeftDown(0, rowY(ROW_SIXES));
    EXPECT_TRUE(FakeLogged(valueAt("  6", ROW_SIXES, BLACK)));
    EXPECT_TRUE(FakeLogged(valueAt(" 76", ROW_SUM, BLACK)));
    EXPECT_TRUE(FakeLogged(valueAt("126", ROW_TOTAL, BLACK)));
    EXPECT_TRUE(FakeLinesContaining("," + std::to_string(23 + 19 * ROW_BONUS) + ",").empty());
    EXPECT_TRUE(FakeLinesContaining(std::to_string(22 + 19 * ROW_BONUS) + ")").empty());
}

TEST_F(UiTest, SummaOf62GetsTheBonusPreviewed) {
    AddPlayers({"AB"});
    gameState.throwsLeft = 0;
    gameState.players[0].cells[ROW_SUM] = 62;
    gameState.players[0].cells[ROW_TOTAL] = 62;
    SetDice({1, 2, 3, 4, 6});
    OnRootLeftDown(0, rowY(ROW_ONES));
    EXPECT_TRUE(FakeLogged(valueAt(" 63", ROW_SUM, BLACK)));
    EXPECT_TRUE(FakeLogged(valueAt(" 50", ROW_BONUS, BLACK)));
    EXPECT_TRUE(FakeLogged(valueAt("113", ROW_TOTAL, BLACK)));
}

TEST_F(UiTest, ClicksThatMayNotChooseDrawNothing) {
    AddPlayers({"AB"});
    SetDice({2, 2, 4, 4, 4});
    gameState.players[0].cells[ROW_TRIPLE] = 12;
    gameState.throwsLeft = 1; // still throwing
    OnRootLeftDown(0, rowY(ROW_PAIR));
    EXPECT_EQ(gameState.selection.selectable, 0);
    EXPECT_TRUE(fake.log.empty());

    gameState.throwsLeft = 0;
    OnRootLeftDown(0, rowY(ROW_PAIR));
    ASSERT_EQ(previewShown, 1);
    FakeClearLog();
    for (int row : {ROW_TRIPLE, ROW_SUM, ROW_BONUS}) {
        OnRootLeftDown(0, rowY(row));
        EXPECT_EQ(gameState.selection.row, row);
        EXPECT_EQ(gameState.selection.selectable, 0);
    }
    EXPECT_TRUE(fake.log.empty()) << "nothing drawn, the earlier preview stays";
    EXPECT_EQ(previewShown, 1);
    EXPECT_EQ(shownSelection.row, ROW_PAIR);

    gameState.turnsLeft = 0; // no game
    OnRootLeftDown(0, rowY(ROW_CHANCE));
    EXPECT_EQ(gameState.selection.row, ROW_BONUS);
}
