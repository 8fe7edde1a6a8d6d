#include "core/turn.h"
#include "tests/ui/ui_test.h"
#include "ui/dice_window.h"
#include "ui/topten_panel.h"
#include <cstring>

namespace {

class DiceWindowTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        AddPlayers({"ABC", "XY"});
        gameState.throwsLeft = 2;
        SetDice({3, 5, 3, 1, 6});
        ShowDiceWindow();
        FakeClearLog();
    }
    std::vector<int> held() const { return {testDice.held, testDice.held + 5}; }
    void command(int32_t id) { platformEvents.diceCommand(id); }
};

} // namespace

TEST_F(DiceWindowTest, ShowingTitlesPaintsAndActivates) {
    HideDiceWindow();
    FakeClearLog();
    ShowDiceWindow();
    EXPECT_EQ(fake.title[WINDOW_DICE], "Spelare: ABC   Kvar: 2");
    EXPECT_TRUE(fake.shown[WINDOW_DICE]);
    EXPECT_EQ(fake.activeWindow, WINDOW_DICE);
    const int pictures[] = {104, 106, 104, 102, 107};
    for (int i = 0; i < 5; i++)
        EXPECT_TRUE(FakeLogged("die" + std::to_string(i) + ": copy picture " +
                               std::to_string(pictures[i]) + " from (0,0) to (0,0) size 64x64"));
    EXPECT_TRUE(FakeLogged("dice: fill (0,64,344,88) grey"));
    EXPECT_LT(FakeIndexOf("die4: copy picture 107 from (0,0) to (0,0) size 64x64"),
              FakeIndexOf("dice: fill (0,64,344,88) grey"));
    EXPECT_EQ(held(), (std::vector<int>{0, 0, 0, 0, 0}));
    // A slot without its terminator still gives a title of three initials.
    std::memcpy(gameState.players[1].name, "LONG", 4);
    SetDiceTitle(1, 1);
    EXPECT_EQ(fake.title[WINDOW_DICE], "Spelare: LON   Kvar: 1");
}

TEST_F(DiceWindowTest, EachPressTogglesOnceAndRedrawsDoNot) {
    platformEvents.diePressed(1);
    EXPECT_EQ(held(), (std::vector<int>{0, 1, 0, 0, 0}));
    EXPECT_TRUE(FakeLogged("die1: copy picture 112 from (0,0) to (0,0) size 64x64"));
    platformEvents.dieRedraw(1);
    platformEvents.dieRedraw(1);
    EXPECT_EQ(held(), (std::vector<int>{0, 1, 0, 0, 0}));
    PressDie(1);
    EXPECT_EQ(held(), (std::vector<int>{0, 0, 0, 0, 0}));
    HoldDie(4);
    HoldDie(4);
    ReleaseDie(0);
    EXPECT_EQ(held(), (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_FALSE(OnDiceCommand(2005));
    EXPECT_FALSE(OnDiceCommand(1003));
}

TEST_F(DiceWindowTest, HoldAlikeHoldsEveryEqualFaceUntilIngen) {
    command(IDM_ALIKE);
    EXPECT_TRUE(fake.highlights[IDM_ALIKE]);
    EXPECT_EQ(held(), (std::vector<int>{0, 0, 0, 0, 0}));
    platformEvents.diePressed(0); // a 3
    EXPECT_EQ(held(), (std::vector<int>{1, 0, 1, 0, 0}));
    platformEvents.diePressed(2); // freeing one of two held 3s holds it again at once
    EXPECT_EQ(held(), (std::vector<int>{1, 0, 1, 0, 0}));
    command(IDM_HOLD_ALL); // "&Alla" under the mode
    EXPECT_EQ(held(), (std::vector<int>{1, 1, 1, 1, 1}));
    // Only "&Ingen" frees the group, switching the mode off first.
    command(IDM_RELEASE_ALL);
    EXPECT_EQ(held(), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(holdAlikeMode, 0);
    EXPECT_FALSE(fake.highlights[IDM_ALIKE]);
    // "&Lika" twice leaves a single hold as it was.
    platformEvents.diePressed(3);
    command(IDM_ALIKE);
    command(IDM_ALIKE);
    EXPECT_EQ(held(), (std::vector<int>{0, 0, 0, 1, 0}));
    EXPECT_FALSE(fake.highlights[IDM_ALIKE]);
    EXPECT_EQ(holdAlikeMode, 0);
}

TEST_F(DiceWindowTest, ThrowingWithAllHeldStillCounts) {
    command(IDM_HOLD_ALL);
    const std::vector<int> faces(testDice.face, testDice.face + 5);
    command(IDM_THROW);
    EXPECT_EQ(std::vector<int>(testDice.face, testDice.face + 5), faces);
    EXPECT_EQ(gameState.throwsLeft, 1);
    EXPECT_EQ(fake.title[WINDOW_DICE], "Spelare: ABC   Kvar: 1");
    EXPECT_TRUE(FakeLogged("paint dice"));
    // A double click on the window's own area throws the same way, here the last throw.
    platformEvents.diceDoubleClick();
    EXPECT_EQ(gameState.throwsLeft, 0);
    EXPECT_FALSE(fake.shown[WINDOW_DICE]);
    EXPECT_EQ(gameState.diceOnBoard, 1);
}

TEST_F(DiceWindowTest, DoneMovesTheDiceToTheRootWindow) {
    command(IDM_DONE);
    EXPECT_EQ(gameState.throwsLeft, 0);
    EXPECT_FALSE(fake.shown[WINDOW_DICE]);
    EXPECT_EQ(fake.activeWindow, WINDOW_ROOT);
    ExpectLogged({"activate root", "invalidate root (17,0,264,363)",
                  Stretch(102, "(0,0,64,64)", "(19,365,50,50)")});
}

TEST_F(DiceWindowTest, UncoveringClampsToTheClientAreaRightOfTheSheet) {
    const struct {
        Rect dice;
        const char* restored; // null: nothing
    } cases[] = {
        {{250, 60, 600, 230}, "(264,60,128,170)"},
        {{100, 100, 300, 200}, "(264,100,36,100)"},
        {{300, -40, 380, 500}, "(300,0,80,363)"},
        {{-100, -50, 200, 100}, nullptr},        // wholly left of the sheet's right edge
        {{300, 400, 650, 500}, nullptr},         // wholly below the sheet
        {{392, 10, 700, 90}, nullptr},           // starts at the client's right edge
        {{500, 10, 700, 90}, "(264,10,128,80)"}, // both x outside: the whole width
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(FakeRect(c.dice));
        fake.diceRectInRoot = c.dice;
        FakeClearLog();
        UncoverRootArea();
        const auto restored = FakeLinesContaining("stretch picture 114");
        ASSERT_EQ(restored.size(), c.restored != nullptr ? 1u : 0u);
        if (c.restored != nullptr) {
            EXPECT_NE(restored[0].find(std::string(" to ") + c.restored), std::string::npos);
        }
    }
    fake.diceRectKnown = false;
    FakeClearLog();
    UncoverRootArea();
    EXPECT_TRUE(fake.log.empty());

    // A top-ten panel on show gets no hole.
    fake.diceRectKnown = true;
    fake.diceRectInRoot = Rect{250, 60, 600, 230};
    gameState.topTenShown = 1;
    FakeClearLog();
    UncoverRootArea();
    EXPECT_LT(FakeIndexOf("validate root"), FakeIndexOf(PANEL));
}
