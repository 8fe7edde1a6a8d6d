#include "tests/ui/ui_test.h"
#include "ui/paint.h"
#include "ui/pointer.h"
#include "ui/root_window.h"
#include "ui/sheet.h"
#include <cstring>

namespace {

std::string line(int x0, int y0, int x1, int y1) {
    return "root: line (" + std::to_string(x0) + "," + std::to_string(y0) + ")-(" +
           std::to_string(x1) + "," + std::to_string(y1) + ") pen 1 0a0a0a";
}

} // namespace

TEST_F(UiTest, MetricsComeFromTheFontTruncated) {
    EXPECT_EQ(sheetMetrics.rowHeight, 19);
    EXPECT_EQ(sheetMetrics.colWidth, 35);
    EXPECT_EQ(sheetMetrics.margin, 2);
    EXPECT_EQ(sheetMetrics.frameWidth, 4);
    ComputeSheetMetrics(15, 7); // 1.2 x 15 is 18, not 17
    EXPECT_EQ(sheetMetrics.rowHeight, 18);
    ComputeSheetMetrics(0, 0); // a font without size still leaves a usable grid
    EXPECT_GT(sheetMetrics.rowHeight, 0);
    EXPECT_GT(sheetMetrics.colWidth, 0);
}

TEST_F(UiTest, EmptySheetHasItsGridFrameAndLabels) {
    DrawSheet(true);
    ExpectLogged({"root: rect (17,2,264,363) pen 1 000000 brush white",
                  "root: rect (17,2,265,364) pen 4 b428b4 brush hollow",
                  RootText("K\xe5k   ", 25, 20 + 19 * 14 + 4, BLACK)});
    for (int r = 0; r < 18; r++)
        ExpectLogged({line(17, 20 + 19 * r, 264, 20 + 19 * r),
                      RootText(ROW_LABELS[r], 25, 24 + 19 * r, BLACK)});
    for (int x : {87, 122, 157, 192, 227, 262})
        ExpectLogged({line(x, 2, x, 363)});
    for (int y : {21, 135, 173, 344})
        ExpectLogged({line(17, y, 262, y)}); // the emphasis lines
    EXPECT_EQ(FakeLinesContaining("root: line").size(), 18u + 6u + 4u);
    EXPECT_EQ(FakeLinesContaining("root: text '").size(), 18u) << "no names, no values";
    EXPECT_EQ(fake.openSurfaces, 0);
}

TEST_F(UiTest, ValuesNamesAndTheirColours) {
    AddPlayers({"ABC", "XY"});
    gameState.currentPlayer = 1;
    int32_t* a = gameState.players[0].cells;
    int32_t* b = gameState.players[1].cells;
    a[ROW_ONES] = -1;
    a[ROW_CHANCE] = 7;
    b[ROW_FIVES] = b[ROW_SUM] = b[ROW_TOTAL] = 20;
    DrawSheet(true);
    ExpectLogged({RootText("ABC", 91, 4, GREY), RootText("XY", 126, 4, GREEN),
                  CellText("=#=", ROW_ONES, GREY), CellText("  7", ROW_CHANCE, GREY),
                  CellText(" 20", ROW_FIVES, BLACK, 1), CellText(" 20", ROW_SUM, BLACK, 1),
                  CellText(" 20", ROW_TOTAL, BLACK, 1)});
    // Zeros are not drawn, not even in the sums; every value is drawn with the mark pen.
    EXPECT_TRUE(FakeLinesContaining("'  0'").empty());
    EXPECT_EQ(FakeLinesContaining("root: text '").size(), 18u + 2u + 5u);
    EXPECT_EQ(FakeCount("root: select pen 2 800080"), 5);

    // Once no turns are left nobody is current; without fill the sheet is not cleared.
    FakeClearLog();
    gameState.turnsLeft = 0;
    sheetDirty = sheetFillPending = 1;
    std::memcpy(gameState.players[0].name, "WXYZ", 4); // no terminator: three characters
    DrawSheet(false);
    ExpectLogged({RootText("WXY", 91, 4, GREY), RootText("XY", 126, 4, GREY),
                  CellText(" 20", ROW_FIVES, GREY, 1)});
    EXPECT_TRUE(FakeLinesContaining(GREEN).empty());
    EXPECT_TRUE(FakeLinesContaining("brush white").empty());
    EXPECT_EQ(sheetDirty + sheetFillPending, 0);
}

TEST_F(UiTest, CellPrimitivesUseTheInsetBox) {
    for (int c : {0, 4}) {
        const Point o = CellOrigin(c, 5);
        EXPECT_EQ(o.x, 87 + 35 * c);
        EXPECT_EQ(o.y, 20 + 19 * 5);
    }
    Surface* s = AcquireRootSurface();
    EraseCellWithSums(s, 2, 3);
    DrawScoreCell(s, 0, 1, 16, INK_PREVIEW);
    DrawScoreCell(s, -1, 1, 15, INK_PREVIEW_ZERO);
    ReleaseSurface(s);
    ExpectLogged({CellBox(3, ERASE, 2), CellBox(6, ERASE, 2), CellBox(17, ERASE, 2),
                  CellText("  0", 16, BLACK, 1), CellText("=#=", 15, RED, 1)});
    EXPECT_EQ(FakeLinesContaining("root: rect").size(), 3u) << "the bonus cell is not erased";
}

TEST_F(UiTest, AValueWiderThanItsCellStaysInsideIt) {
    fake.textWidths["=#="] = 31; // wider than the 35 - 7 - 1 pixels right of the usual place
    Surface* s = AcquireRootSurface();
    DrawScoreCell(s, -1, 0, 3, INK_OTHER);
    DrawScoreCell(s, 7, 0, 4, INK_OTHER);
    ReleaseSurface(s);
    // The cell spans x 87..122: the wide text ends at 121, the narrow one keeps its place.
    EXPECT_EQ(FakeLinesContaining("root: text '=#=' at (90,").size(), 1u);
    EXPECT_EQ(FakeLinesContaining("root: text '  7' at (94,").size(), 1u);
}

TEST_F(UiTest, OnlyTheHeightOfAClickChoosesTheRow) {
    AddPlayers({"AB", "CD"});
    gameState.currentPlayer = 1;
    for (int y = 0; y <= 37; y++)
        EXPECT_EQ(HitTestSheet(500, y).row, 0) << y;
    for (int r = 0; r < 16; r++) {
        EXPECT_EQ(HitTestSheet(3, 19 * (r + 1)).row, r);
        EXPECT_EQ(HitTestSheet(3, 19 * (r + 2) - 1).row, r);
    }
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
    OnRootLeftDown(300, RowY(ROW_FIVES));
    EXPECT_EQ(gameState.selection.row, ROW_FIVES);
    EXPECT_EQ(gameState.selection.selectable, 1);
    EXPECT_EQ(previewShown, 1);
    ExpectLogged({CellText(" 15", ROW_FIVES, BLACK), CellText(" 65", ROW_SUM, BLACK),
                  CellText(" 50", ROW_BONUS, BLACK), CellText("135", ROW_TOTAL, BLACK),
                  CellBox(ROW_FIVES, OUTLINE)});

    FakeClearLog();
    SetDice({3, 3, 3, 3, 6});
    OnRootLeftDown(300, RowY(ROW_THREES));
    // The earlier cell and its sums are painted white first, the bonus cell with them.
    const int erased = FakeIndexOf(CellBox(ROW_FIVES, ERASE));
    ASSERT_GE(erased, 0);
    EXPECT_LT(erased, FakeIndexOf(CellText(" 12", ROW_THREES, BLACK)));
    ExpectLogged({CellBox(ROW_SUM, ERASE), CellBox(ROW_TOTAL, ERASE), CellBox(ROW_BONUS, ERASE),
                  CellText(" 62", ROW_SUM, BLACK), CellText(" 82", ROW_TOTAL, BLACK)});
    EXPECT_TRUE(FakeLinesContaining("' 50'").empty());
    EXPECT_EQ(shownSelection.row, ROW_THREES);
    EXPECT_EQ(cells[ROW_SUM], 50) << "the preview writes nothing into the sheet";
    EXPECT_EQ(cells[ROW_THREES], 0);
}

TEST_F(UiTest, PreviewOfZeroOfLowerRowsAndAroundTheBonus) {
    AddPlayers({"AB"});
    gameState.throwsLeft = 0;
    int32_t* cells = gameState.players[0].cells;
    SetDice({1, 2, 3, 5, 6});
    OnRootLeftDown(0, RowY(ROW_DYXEL));
    ExpectLogged({CellText("=#=", ROW_DYXEL, RED), CellText("  0", ROW_SUM, BLACK),
                  CellText("  0", ROW_TOTAL, BLACK), CellBox(ROW_BONUS, ERASE)});

    // A "summa" of 62 gets the bonus previewed ...
    FakeClearLog();
    cells[ROW_SUM] = cells[ROW_TOTAL] = 62;
    OnRootLeftDown(0, RowY(ROW_ONES));
    ExpectLogged({CellText(" 63", ROW_SUM, BLACK), CellText(" 50", ROW_BONUS, BLACK),
                  CellText("113", ROW_TOTAL, BLACK)});

    // ... and with the bonus already won the bonus cell is left alone.
    FakeClearLog();
    cells[ROW_SUM] = 70;
    cells[ROW_BONUS] = 50;
    cells[ROW_TOTAL] = 120;
    OnRootLeftDown(0, RowY(ROW_SIXES));
    ExpectLogged({CellText("  6", ROW_SIXES, BLACK), CellText(" 76", ROW_SUM, BLACK),
                  CellText("126", ROW_TOTAL, BLACK)});
    EXPECT_TRUE(FakeLinesContaining("," + std::to_string(23 + 19 * ROW_BONUS) + ",").empty());
    EXPECT_TRUE(FakeLinesContaining(std::to_string(22 + 19 * ROW_BONUS) + ")").empty());
}

TEST_F(UiTest, ClicksThatMayNotChooseDrawNothing) {
    AddPlayers({"AB"});
    SetDice({2, 2, 4, 4, 4});
    gameState.players[0].cells[ROW_TRIPLE] = 12;
    gameState.throwsLeft = 1; // still throwing
    OnRootLeftDown(0, RowY(ROW_PAIR));
    EXPECT_EQ(gameState.selection.selectable, 0);
    EXPECT_TRUE(fake.log.empty());

    gameState.throwsLeft = 0;
    OnRootLeftDown(0, RowY(ROW_PAIR));
    ASSERT_EQ(previewShown, 1);
    FakeClearLog();
    for (int row : {ROW_TRIPLE, ROW_SUM, ROW_BONUS}) {
        OnRootLeftDown(0, RowY(row));
        EXPECT_EQ(gameState.selection.row, row);
        EXPECT_EQ(gameState.selection.selectable, 0);
    }
    EXPECT_TRUE(fake.log.empty()) << "nothing drawn, the earlier preview stays";
    EXPECT_EQ(previewShown, 1);
    EXPECT_EQ(shownSelection.row, ROW_PAIR);

    gameState.turnsLeft = 0; // no game
    OnRootLeftDown(0, RowY(ROW_CHANCE));
    EXPECT_EQ(gameState.selection.row, ROW_BONUS);
}
