#include "core/hooks.h"
#include "store/topten.h"
#include "tests/ui/ui_test.h"
#include "ui/paint.h"
#include "ui/topten_panel.h"
#include <cstring>

namespace {

std::string stretch(int picture, const std::string& from, const std::string& to) {
    return "root: stretch picture " + std::to_string(picture) + " from " + from + " to " + to;
}

} // namespace

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
        FakeClearLog();
        RequestPaint(c.request);
        ASSERT_GE(fake.log.size(), 3u);
        EXPECT_EQ(fake.log[0], std::string("invalidate root ") + c.area);
        EXPECT_EQ(fake.log[1], "paint root");
        EXPECT_EQ(fake.log[2], "validate root");
        if (c.flagCleared != nullptr) {
            EXPECT_EQ(*c.flagCleared, 0) << c.area;
        }
    }
    EXPECT_EQ(topTenDirty, 1) << "the top-ten flag is never cleared";
    // The corner box follows the client area's size at the moment of the request.
    fake.clientWidth[WINDOW_ROOT] = 500;
    fake.clientHeight[WINDOW_ROOT] = 600;
    FakeClearLog();
    RequestPaint(PAINT_CORNER_BOX);
    EXPECT_EQ(fake.log[0], "invalidate root (380,512,498,598)");
}

TEST_F(UiTest, PaintAllIsOnePaintOfEveryArea) {
    AddPlayers({"AB", "CD"});
    gameState.topTenShown = 1;
    RequestPaint(PAINT_ALL);
    EXPECT_EQ(FakeCount("paint root"), 1);
    EXPECT_EQ(FakeLinesContaining("invalidate root").size(), 4u);
    EXPECT_LT(FakeIndexOf("invalidate root (272,360,390,446)"), FakeIndexOf("paint root"));
    EXPECT_TRUE(FakeLogged("root: rect (17,2,264,363) pen 1 000000 brush white"));
    EXPECT_TRUE(FakeLogged("root: fill (281,8,357,214) white"));
    EXPECT_TRUE(FakeLogged("root: rect (272,395,390,446) pen 1 000000 brush white"));
    // No full repaint: the background is restored only in the empty dice strip.
    EXPECT_EQ(FakeLinesContaining("stretch picture 114").size(), 1u);
    EXPECT_EQ(paintBatch, 0);
    EXPECT_EQ(sheetDirty + sheetFillPending + diceStripDirty + cornerBoxDirty, 0);
}

TEST_F(UiTest, RepaintAskedByTheWindowSystemRedrawsEverything) {
    AddPlayers({"AB"});
    gameState.diceOnBoard = 1;
    gameState.topTenShown = 1;
    SetDice({1, 2, 3, 4, 6});
    InvalidateArea(WINDOW_ROOT, Rect{300, 10, 350, 50});
    UpdateWindowNow(WINDOW_ROOT);
    // 392 x 448 over 300 x 450: the source is the destination divided by 1.3067 and 0.9956.
    EXPECT_TRUE(FakeLogged(stretch(114, "(229,10,38,40)", "(300,10,50,40)")));
    EXPECT_TRUE(FakeLogged("root: rect (17,2,264,363) pen 1 000000 brush white"));
    EXPECT_TRUE(FakeLogged(stretch(105, "(0,0,64,64)", "(169,365,50,50)")));
    EXPECT_TRUE(FakeLogged("root: fill (281,8,357,214) white"));
    EXPECT_TRUE(FakeLogged("root: rect (272,395,390,446) pen 1 000000 brush white"));
    Rect left{};
    EXPECT_FALSE(GetUpdateBounds(WINDOW_ROOT, &left)) << "the paint validates the window";
}

TEST_F(UiTest, DiceStripShowsFreeFacesOrTheBackground) {
    SetDice({6, 1, 3, 3, 5});
    testDice.held[0] = 1; // the strip always shows free faces
    DrawDiceStrip(true);
    const int pictures[] = {107, 102, 104, 104, 106};
    for (int i = 0; i < 5; i++)
        EXPECT_TRUE(FakeLogged(
            stretch(pictures[i], "(0,0,64,64)", "(" + std::to_string(19 + 50 * i) + ",365,50,50)")))
            << i;
    FakeClearLog();
    DrawDiceStrip(false);
    EXPECT_EQ(FakeLinesContaining("stretch").size(), 1u);
    EXPECT_EQ(FakeLinesContaining("stretch")[0].substr(0, 36),
              "root: stretch picture 114 from (14,3");
    EXPECT_NE(FakeLinesContaining("stretch")[0].find(" to (19,365,250,64)"), std::string::npos);
}

TEST_F(UiTest, BackgroundIsStretchedOverTheWholeClientArea) {
    fake.clientWidth[WINDOW_ROOT] = 600;
    fake.clientHeight[WINDOW_ROOT] = 900;
    RestoreBackground(Rect{19, 365, 269, 429});
    EXPECT_TRUE(FakeLogged(stretch(114, "(9,182,125,32)", "(19,365,250,64)")));
    EXPECT_TRUE(FakeLogged("validate root"));

    FakeClearLog();
    fake.clientWidth[WINDOW_ROOT] = 150;
    fake.clientHeight[WINDOW_ROOT] = 300;
    RestoreBackground(Rect{0, 0, 150, 300});
    EXPECT_TRUE(FakeLogged(stretch(114, "(0,0,300,450)", "(0,0,150,300)")));

    // A client area without width or height has no scale: nothing is drawn.
    for (auto [w, h] : {std::pair{0, 448}, std::pair{392, 0}}) {
        FakeClearLog();
        fake.clientWidth[WINDOW_ROOT] = w;
        fake.clientHeight[WINDOW_ROOT] = h;
        RestoreBackground(Rect{0, 0, 100, 100});
        EXPECT_TRUE(FakeLinesContaining("stretch").empty());
        EXPECT_TRUE(FakeLogged("validate root"));
    }
}

TEST_F(UiTest, CornerBoxShowsTheLogoOrTheRound) {
    DrawCornerBox(true);
    EXPECT_TRUE(FakeLogged("root: copy picture 116 from (0,0) to (272,360) size 120x88"));

    AddPlayers({"AB", "K\xe5L"});
    const struct {
        int32_t turnsLeft, current;
        const char* round;
    } rounds[] = {{30, 0, "1"}, {29, 1, "1"}, {28, 0, "2"}, {2, 0, "15"}, {1, 1, "15"}};
    for (const auto& r : rounds) {
        FakeClearLog();
        gameState.turnsLeft = r.turnsLeft;
        gameState.currentPlayer = r.current;
        DrawCornerBox(false);
        EXPECT_TRUE(FakeLogged("root: rect (272,395,390,446) pen 1 000000 brush white"));
        EXPECT_TRUE(FakeLogged(RootText(gameState.players[r.current].name, 274, 397, "c80a32")));
        EXPECT_TRUE(FakeLogged(RootText(std::string("Omg\xe5ng: ") + r.round, 274, 413, BLACK)))
            << r.turnsLeft;
    }
    // The box follows the corner of a larger window; the sheet's place does not change.
    fake.clientWidth[WINDOW_ROOT] = 784;
    fake.clientHeight[WINDOW_ROOT] = 896;
    FakeClearLog();
    DrawCornerBox(true);
    EXPECT_TRUE(FakeLogged("root: copy picture 116 from (0,0) to (664,808) size 120x88"));
    RequestPaint(PAINT_SHEET);
    EXPECT_TRUE(FakeLogged("invalidate root (17,0,264,363)"));
}

TEST_F(UiTest, TopTenPanelComesFromTheFile) {
    topTen.entries[0] = TopTenEntry{"AB", 210};
    topTen.entries[1] = TopTenEntry{"XYZ", 7};
    topTen.entries[3] = TopTenEntry{{'A', 'B', 'C', 'D'}, 123};
    SaveTopTen();
    topTen = TopTenList{};
    const Rect r = TopTenRect();
    EXPECT_EQ(FakeRect(r), "(281,8,357,214)");
    DrawTopTen();
    EXPECT_TRUE(FakeLogged("root: fill (281,8,357,214) white"));
    EXPECT_TRUE(FakeLogged("root: frame (281,8,357,214) black"));
    EXPECT_TRUE(FakeLogged(RootText("AB", 287, 16, BLACK)));
    EXPECT_TRUE(FakeLogged(RootText("210", 329, 16, BLACK)));
    EXPECT_TRUE(FakeLogged(RootText("XYZ", 287, 35, BLACK)));
    EXPECT_TRUE(FakeLogged(RootText("  7", 329, 35, BLACK)));
    EXPECT_TRUE(FakeLinesContaining(",54)").empty()) << "an empty entry leaves its line empty";
    EXPECT_TRUE(FakeLogged(RootText("ABCD", 287, 73, BLACK)));
    EXPECT_EQ(FakeLinesContaining("root: text '").size(), 6u);
}

TEST_F(UiTest, HidingTheTopTenRestoresTheBackgroundThere) {
    gameState.topTenShown = 1;
    RequestPaint(PAINT_TOP_TEN);
    EXPECT_TRUE(FakeLogged("root: fill (281,8,357,214) white"));
    FakeClearLog();
    gameState.topTenShown = 0;
    RequestPaint(PAINT_TOP_TEN);
    EXPECT_TRUE(FakeLinesContaining("fill").empty());
    const auto restored = FakeLinesContaining("stretch picture 114");
    ASSERT_FALSE(restored.empty());
    EXPECT_NE(restored[0].find(" to (281,8,76,206)"), std::string::npos);
}
