#include "tests/ui/ui_test.h"
#include "ui/paint.h"
#include "ui/sheet.h"
#include <cstring>

namespace {

std::string line(int x0, int y0, int x1, int y1, const char* pen) {
    return "root: line (" + std::to_string(x0) + "," + std::to_string(y0) + ")-(" +
           std::to_string(x1) + "," + std::to_string(y1) + ") " + pen;
}

} // namespace

TEST_F(UiTest, MetricsComeFromTheFontTruncated) {
    EXPECT_EQ(sheetMetrics.rowHeight, 19);
    EXPECT_EQ(sheetMetrics.colWidth, 35);
    EXPECT_EQ(sheetMetrics.margin, 2);
    EXPECT_EQ(sheetMetrics.frameWidth, 4);
    ComputeSheetMetrics(17, 8); // 20.4 and 40
    EXPECT_EQ(sheetMetrics.rowHeight, 20);
    EXPECT_EQ(sheetMetrics.colWidth, 40);
    ComputeSheetMetrics(15, 7); // 1.2 x 15 is 18, not 17
    EXPECT_EQ(sheetMetrics.rowHeight, 18);
    ComputeSheetMetrics(0, 0); // a font without size still leaves a usable grid
    EXPECT_GT(sheetMetrics.rowHeight, 0);
    EXPECT_GT(sheetMetrics.colWidth, 0);
}

TEST_F(UiTest, EmptySheetHasItsGridFrameAndLabels) {
    DrawSheet(true);
    EXPECT_TRUE(FakeLogged("root: rect (17,2,264,363) pen 1 000000 brush white"));
    const char* grid = "pen 1 0a0a0a";
    for (int r = 0; r < 18; r++) {
        const int y = 20 + 19 * r;
        EXPECT_TRUE(FakeLogged(line(17, y, 264, y, grid))) << "row line " << r;
        EXPECT_TRUE(FakeLogged(RootText(ROW_LABELS[r], 25, y + 4, BLACK))) << "label " << r;
    }
    EXPECT_TRUE(FakeLogged(RootText("K\xe5k   ", 25, 20 + 19 * 14 + 4, BLACK)));
    for (int x : {87, 122, 157, 192, 227, 262})
        EXPECT_TRUE(FakeLogged(line(x, 2, x, 363, grid))) << "column line " << x;
    EXPECT_EQ(FakeLinesContaining("root: line").size(), 18u + 6u + 4u);
    for (int y : {21, 135, 173, 344})
        EXPECT_TRUE(FakeLogged(line(17, y, 262, y, grid))) << "emphasis line " << y;
    EXPECT_TRUE(FakeLogged("root: rect (17,2,265,364) pen 4 b428b4 brush hollow"));
    // No players: no names and no values.
    EXPECT_EQ(FakeLinesContaining("root: text '").size(), 18u);
    EXPECT_EQ(fake.openSurfaces, 0);
}

TEST_F(UiTest, SheetWithoutFillKeepsWhatIsThereAndClearsItsFlags) {
    sheetDirty = sheetFillPending = 1;
    DrawSheet(false);
    EXPECT_TRUE(FakeLinesContaining("brush white").empty());
    EXPECT_EQ(sheetDirty, 0);
    EXPECT_EQ(sheetFillPending, 0);
}

TEST_F(UiTest, ValuesNamesAndTheirColours) {
    AddPlayers({"ABC", "XY"});
    gameState.currentPlayer = 1;
    int32_t* a = gameState.players[0].cells;
    int32_t* b = gameState.players[1].cells;
    a[ROW_ONES] = -1;
    a[ROW_CHANCE] = 7;
    b[ROW_FIVES] = 20;
    b[ROW_SUM] = 20;
    b[ROW_TOTAL] = 20;
    DrawSheet(true);
    EXPECT_TRUE(FakeLogged(RootText("ABC", 91, 4, GREY)));
    EXPECT_TRUE(FakeLogged(RootText("XY", 126, 4, GREEN)));
    EXPECT_TRUE(FakeLogged(RootText("=#=", 94, 22, GREY)));
    EXPECT_TRUE(FakeLogged(RootText("  7", 94, 22 + 19 * 15, GREY)));
    EXPECT_TRUE(FakeLogged(RootText(" 20", 129, 22 + 19 * 4, BLACK)));
    EXPECT_TRUE(FakeLogged(RootText(" 20", 129, 22 + 19 * 6, BLACK)));
    EXPECT_TRUE(FakeLogged(RootText(" 20", 129, 22 + 19 * 17, BLACK)));
    // Zeros are not drawn, not even in the sums; every value is drawn with the mark pen.
    EXPECT_TRUE(FakeLinesContaining("'  0'").empty());
    EXPECT_EQ(FakeLinesContaining("root: text '").size(), 18u + 2u + 5u);
    EXPECT_EQ(FakeCount("root: select pen 2 800080"), 5);

    // Once no turns are left nobody is current.
    FakeClearLog();
    gameState.turnsLeft = 0;
    DrawSheet(true);
    EXPECT_TRUE(FakeLogged(RootText("XY", 126, 4, GREY)));
    EXPECT_TRUE(FakeLinesContaining(GREEN).empty());
    EXPECT_TRUE(FakeLogged(RootText(" 20", 129, 22 + 19 * 4, GREY)));
}

TEST_F(UiTest, NameWithoutTerminatorIsCutToThreeCharacters) {
    AddPlayers({"A"});
    std::memcpy(gameState.players[0].name, "WXYZ", 4);
    DrawSheet(false);
    EXPECT_TRUE(FakeLogged(RootText("WXY", 91, 4, GREEN)));
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
    const auto box = [](int c, int r) {
        return "(" + std::to_string(90 + 35 * c) + "," + std::to_string(23 + 19 * r) + "," +
               std::to_string(121 + 35 * c) + "," + std::to_string(38 + 19 * r) + ")";
    };
    for (int r : {3, 6, 17})
        EXPECT_TRUE(FakeLogged("root: rect " + box(2, r) + " pen 2 ffffff brush white")) << r;
    EXPECT_EQ(FakeLinesContaining("root: rect").size(), 3u) << "the bonus cell is not erased";
    EXPECT_TRUE(FakeLogged(RootText("  0", 129, 22 + 19 * 16, BLACK)));
    EXPECT_TRUE(FakeLogged(RootText("=#=", 129, 22 + 19 * 15, RED)));
}
