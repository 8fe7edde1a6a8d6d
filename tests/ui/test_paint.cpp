#include "core/hooks.h"
#include "store/topten.h"
#include "tests/ui/ui_test.h"
#include "ui/paint.h"
#include "ui/topten_panel.h"

TEST_F(UiTest, EachRequestInvalidatesItsAreaAndPaintsAtOnce) {
    const struct {
        int32_t request;
        const char* area;
        int32_t* flagCleared; // null: the flag stays set
    } cases[] = {
        {PAINT_SHEET, "(17,0,264,363)", &sheetDirty},
        {PAINT_DICE_STRIP, "(17,363,266,427)", &diceStripDirty},
        {PAINT_TOP_TEN, "(281,8,357,214)", nullptr},
        {PAINT_CORNER_BOX, "(272,360,390,446)", &cornerBoxDirty},
    };
    gameState.sheetVisible = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.area);
        FakeClearLog();
        RequestPaint(c.request);
        ASSERT_GE(fake.log.size(), 3u);
        EXPECT_EQ(fake.log[0], std::string("invalidate root ") + c.area);
        EXPECT_EQ(fake.log[1], "paint root");
        EXPECT_EQ(fake.log[2], "validate root");
        EXPECT_TRUE(c.flagCleared == nullptr || *c.flagCleared == 0);
    }
    EXPECT_EQ(topTenDirty, 1) << "the top-ten flag is never cleared";
    // The corner box follows the client area's size at the moment of the request.
    fake.clientWidth[WINDOW_ROOT] = 500;
    fake.clientHeight[WINDOW_ROOT] = 600;
    FakeClearLog();
    RequestPaint(PAINT_CORNER_BOX);
    EXPECT_EQ(fake.log[0], "invalidate root (380,512,498,598)");
}

TEST_F(UiTest, PaintAllAndTheWindowSystemsRepaintDrawEveryArea) {
    AddPlayers({"AB", "CD"});
    gameState.topTenShown = 1;
    RequestPaint(PAINT_ALL);
    EXPECT_EQ(FakeCount("paint root"), 1);
    EXPECT_EQ(FakeLinesContaining("invalidate root").size(), 4u);
    EXPECT_LT(FakeIndexOf("invalidate root (272,360,390,446)"), FakeIndexOf("paint root"));
    const std::string sheet = "root: rect (17,2,264,363) pen 1 000000 brush white";
    const std::string corner = "root: rect (272,395,390,446) pen 1 000000 brush white";
    ExpectLogged({sheet, PANEL, corner});
    // No full repaint: the background is restored only in the empty dice strip.
    EXPECT_EQ(FakeLinesContaining("stretch picture 114").size(), 1u);
    EXPECT_EQ(paintBatch, 0);
    EXPECT_EQ(sheetDirty + sheetFillPending + diceStripDirty + cornerBoxDirty, 0);

    FakeClearLog();
    gameState.diceOnBoard = 1;
    SetDice({1, 2, 3, 4, 6});
    InvalidateArea(WINDOW_ROOT, Rect{300, 10, 350, 50});
    UpdateWindowNow(WINDOW_ROOT);
    // 392 x 448 over 300 x 450: the source is the destination divided by 1.3067 and 0.9956.
    ExpectLogged({Stretch(114, "(229,10,38,40)", "(300,10,50,40)"), sheet, PANEL, corner,
                  Stretch(105, "(0,0,64,64)", "(169,365,50,50)")});
    Rect left{};
    EXPECT_FALSE(GetUpdateBounds(WINDOW_ROOT, &left)) << "the paint validates the window";
}

TEST_F(UiTest, DiceStripShowsFreeFacesOrTheBackground) {
    SetDice({6, 1, 3, 3, 5});
    testDice.held[0] = 1; // the strip always shows free faces
    DrawDiceStrip(true);
    const int pictures[] = {107, 102, 104, 104, 106};
    for (int i = 0; i < 5; i++)
        ExpectLogged({Stretch(pictures[i], "(0,0,64,64)",
                              "(" + std::to_string(19 + 50 * i) + ",365,50,50)")});
    FakeClearLog();
    DrawDiceStrip(false);
    const auto stretched = FakeLinesContaining("stretch");
    ASSERT_EQ(stretched.size(), 1u);
    EXPECT_EQ(stretched[0].substr(0, 36), "root: stretch picture 114 from (14,3");
    EXPECT_NE(stretched[0].find(" to (19,365,250,64)"), std::string::npos);
}

TEST_F(UiTest, BackgroundIsStretchedOverTheWholeClientArea) {
    const struct {
        int32_t width, height;
        Rect area;
        const char* stretch; // null: nothing drawn, as there is no scale
    } cases[] = {
        {600, 900, {19, 365, 269, 429}, "from (9,182,125,32) to (19,365,250,64)"},
        {150, 300, {0, 0, 150, 300}, "from (0,0,300,450) to (0,0,150,300)"},
        {0, 448, {0, 0, 100, 100}, nullptr},
        {392, 0, {0, 0, 100, 100}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width * 1000 + c.height);
        FakeClearLog();
        fake.clientWidth[WINDOW_ROOT] = c.width;
        fake.clientHeight[WINDOW_ROOT] = c.height;
        RestoreBackground(c.area);
        if (c.stretch != nullptr)
            ExpectLogged({std::string("root: stretch picture 114 ") + c.stretch});
        else
            EXPECT_TRUE(FakeLinesContaining("stretch").empty());
        ExpectLogged({"validate root"});
    }
}

TEST_F(UiTest, CornerBoxShowsTheLogoOrTheRound) {
    DrawCornerBox(true);
    ExpectLogged({LOGO});
    AddPlayers({"AB", "K\xe5L"});
    const struct {
        int32_t turnsLeft, current;
        const char* round;
    } rounds[] = {{30, 0, "1"}, {29, 1, "1"}, {28, 0, "2"}, {2, 0, "15"}, {1, 1, "15"}};
    for (const auto& r : rounds) {
        SCOPED_TRACE(r.turnsLeft);
        FakeClearLog();
        gameState.turnsLeft = r.turnsLeft;
        gameState.currentPlayer = r.current;
        DrawCornerBox(false);
        ExpectLogged({"root: rect (272,395,390,446) pen 1 000000 brush white",
                      RootText(gameState.players[r.current].name, 274, 397, "c80a32"),
                      RootText(std::string("Omg\xe5ng: ") + r.round, 274, 413, BLACK)});
    }
    // The box follows the corner of a larger window; the sheet's place does not change.
    fake.clientWidth[WINDOW_ROOT] = 784;
    fake.clientHeight[WINDOW_ROOT] = 896;
    DrawCornerBox(true);
    RequestPaint(PAINT_SHEET);
    ExpectLogged({"root: copy picture 116 from (0,0) to (664,808) size 120x88",
                  "invalidate root (17,0,264,363)"});
}

TEST_F(UiTest, TopTenPanelComesFromTheFileAndItsPlaceIsRestoredWhenHidden) {
    topTen.entries[0] = TopTenEntry{"AB", 210};
    topTen.entries[1] = TopTenEntry{"XYZ", 7};
    topTen.entries[3] = TopTenEntry{{'A', 'B', 'C', 'D'}, 123};
    SaveTopTen();
    topTen = TopTenList{};
    EXPECT_EQ(FakeRect(TopTenRect()), "(281,8,357,214)");
    DrawTopTen();
    ExpectLogged({PANEL, "root: frame (281,8,357,214) black", RootText("AB", 287, 16, BLACK),
                  RootText("210", 329, 16, BLACK), RootText("XYZ", 287, 35, BLACK),
                  RootText("  7", 329, 35, BLACK), RootText("ABCD", 287, 73, BLACK)});
    EXPECT_TRUE(FakeLinesContaining(",54)").empty()) << "an empty entry leaves its line empty";
    EXPECT_EQ(FakeLinesContaining("root: text '").size(), 6u);

    FakeClearLog();
    gameState.topTenShown = 0;
    RequestPaint(PAINT_TOP_TEN);
    EXPECT_TRUE(FakeLinesContaining("fill").empty());
    const auto restored = FakeLinesContaining("stretch picture 114");
    ASSERT_FALSE(restored.empty());
    EXPECT_NE(restored[0].find(" to (281,8,76,206)"), std::string::npos);
}
