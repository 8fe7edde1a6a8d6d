// A game as the player sees it: the dice window through a human turn, the preview and the
// commit on the sheet, robots' turns in the strip, and the end with the top-ten list.
#include "champion/champion.h"
#include "core/dice.h"
#include "core/hooks.h"
#include "core/scoring.h"
#include "core/settings.h"
#include "platform/msgbox.h"
#include "res/resources.h"
#include "store/topten.h"
#include "tests/ui/ui_test.h"
#include "ui/dice_window.h"
#include "ui/pointer.h"
#include "ui/root_window.h"
#include <cstdlib>

namespace {

void press(int32_t die) {
    platformEvents.diePressed(die);
}
void dice(int32_t command) {
    platformEvents.diceCommand(command);
}
std::string held() {
    std::string s;
    for (int32_t i = 0; i < 5; i++)
        s += static_cast<char>('0' + gameState.dice->held[i]);
    return s;
}
// The dice window shows each die's face and hold flag.
void expectDiceShown() {
    for (int32_t i = 0; i < 5; i++)
        EXPECT_EQ(FakeDieHash(i), FaceHash(gameState.dice->face[i] + 1, gameState.dice->held[i]))
            << "die " << i;
}

} // namespace

TEST_F(UiTest, AHumanThrowsHoldsAndChoosesARowThenTheRobotPlays) {
    RunGame([] {
        platformEvents.rootCommand(IDM_LONG_THROWS); // 600 ms pauses
        NewGame({"ABC", "-R"});
        ASSERT_TRUE(fake.shown[WINDOW_DICE]);
        EXPECT_EQ(fake.title[WINDOW_DICE], "Spelare: ABC   Kvar: 2");
        EXPECT_EQ(fake.active, WINDOW_DICE);
        EXPECT_TRUE(fake.sounds.size() == 1) << "the automatic first throw is silent";
        expectDiceShown();
        ExpectPicture(WINDOW_DICE, "dice-first-throw");

        const std::string first = Dice();
        press(1);
        press(3);
        EXPECT_EQ(held(), "01010");
        expectDiceShown();
        dice(IDM_THROW);
        EXPECT_EQ(fake.title[WINDOW_DICE], "Spelare: ABC   Kvar: 1");
        EXPECT_EQ(Dice()[1], first[1]);
        EXPECT_EQ(Dice()[3], first[3]);
        EXPECT_GE(fake.sounds.back(), IDW_THROW_FIRST);
        EXPECT_LE(fake.sounds.back(), IDW_THROW_FIRST + 2);
        expectDiceShown();

        // Hold-alike: every die showing a held face is held, also after the next throw.
        SetDice("33253", "00000");
        dice(IDM_ALIKE);
        EXPECT_TRUE(fake.highlights[IDM_ALIKE]);
        press(0);
        EXPECT_EQ(held(), "11001");
        press(1); // freed, and held again at once: another 3 is held
        EXPECT_EQ(held(), "11001");
        dice(IDM_RELEASE_ALL);
        EXPECT_EQ(held(), "00000");
        EXPECT_FALSE(fake.highlights[IDM_ALIKE]);
        platformEvents.diceKey('5'); // keys 1 to 5 press the dice
        EXPECT_EQ(held(), "00001");
        dice(IDM_HOLD_ALL);
        EXPECT_EQ(held(), "11111");
        expectDiceShown();
        platformEvents.rootKey(KEY_DOWN);
        EXPECT_EQ(previewShown, 0) << "no row is proposed while throws are left";

        dice(IDM_DONE);
        EXPECT_FALSE(fake.shown[WINDOW_DICE]);
        EXPECT_EQ(fake.active, WINDOW_ROOT);
        EXPECT_EQ(Dice(), "23335") << "sorted once the throwing is over";
        ExpectPicture(WINDOW_ROOT, "human-choosing");

        // Clicks propose and preview; a double click on a free row commits it.
        platformEvents.rootLeftDown(300, RowY(ROW_THREES));
        ExpectPicture(WINDOW_ROOT, "preview-threes");
        platformEvents.rootKey(KEY_DOWN); // the next free row: "4:or"
        EXPECT_EQ(gameState.selection.row, ROW_FOURS);
        platformEvents.rootLeftDown(0, RowY(ROW_SUM)); // not a row to choose: nothing drawn
        EXPECT_EQ(gameState.selection.selectable, 0);
        platformEvents.rootRightDown(0, 0);
        EXPECT_EQ(gameState.currentPlayer, 0) << "nothing to commit";
        platformEvents.rootKey(KEY_UP);
        EXPECT_EQ(gameState.selection.row, ROW_THREES);
        fake.pauses.clear();
        platformEvents.rootKey(KEY_RETURN);

        // The robot's whole turn ran inside the commit: three throws, three pauses.
        EXPECT_EQ(gameState.players[0].cells[ROW_THREES], 9);
        EXPECT_EQ(fake.pauses, (std::vector<int32_t>{600, 600, 600}));
        EXPECT_EQ(gameState.currentPlayer, 0);
        EXPECT_EQ(fake.title[WINDOW_DICE], "Spelare: ABC   Kvar: 2");
        ExpectPicture(WINDOW_ROOT, "after-robot");
    });
}

TEST_F(UiTest, APreviewShowsTheWouldBeSumsAndTheCommitWritesThem) {
    RunGame([] {
        NewGame({"AB"});
        dice(IDM_DONE);
        int32_t* cells = gameState.players[0].cells;
        cells[ROW_ONES] = 3;
        cells[ROW_TWOS] = 6;
        cells[ROW_FOURS] = 16;
        cells[ROW_SIXES] = 25 - 1; // "summa" 49 with the others
        cells[ROW_SUM] = 49;
        cells[ROW_TOTAL] = 49;
        cells[ROW_CHANCE] = -1;
        RequestPaint(PAINT_SHEET);
        SetDice("35555");
        analyseThrow(*gameState.dice);
        platformEvents.rootLeftDown(0, RowY(ROW_FIVES)); // 20: "summa" 69, bonus won
        ExpectPicture(WINDOW_ROOT, "preview-bonus");
        platformEvents.rootLeftDown(0, RowY(ROW_DYXEL)); // 0 in red
        ExpectPicture(WINDOW_ROOT, "preview-zero");
        platformEvents.rootLeftDown(0, RowY(ROW_FIVES));
        platformEvents.rootLeftDoubleClick(0, RowY(ROW_FIVES));
        EXPECT_EQ(cells[ROW_FIVES], 20);
        EXPECT_EQ(cells[ROW_SUM], 69);
        EXPECT_EQ(cells[ROW_BONUS], 50);
        EXPECT_EQ(cells[ROW_TOTAL], 119);
    });
}

TEST_F(UiTest, RobotsPlayAWholeGameAndTheListShowsTheirTotals) {
    RunGame([] {
        NewGame({"-R1", "-R2"});
        EXPECT_EQ(gameState.turnsLeft, 0);
        EXPECT_EQ(fake.pauses.size(), 90u);
        EXPECT_EQ(fake.pauses.front(), 1800) << "long throws are on by default";
        ExpectPicture(WINDOW_ROOT, "robots-end");
        platformEvents.rootCommand(IDM_REPLAY); // the same players again, the list hidden
        ExpectPicture(WINDOW_ROOT, "robots-replayed");
    });
    // Twice the simulator's totals for the same second: the replay plays the same dice.
    EXPECT_EQ(FileBytes("h_score").substr(0, 32),
              std::string("R2\0\0\xc7\0\0\0R2\0\0\xc7\0\0\0R1\0\0\xbf\0\0\0R1\0\0\xbf\0\0\0", 32));
}

// Under "&3 Kast" the hint counts on throwing on: with only "Dyxel" free, three sixes are held
// and five alike are as good as certain.
TEST_F(UiTest, TheHintUnderUnlimitedThrowsCountsOnThrowingOn) {
    RunGame([] {
        platformEvents.rootCommand(IDM_UNLIMITED_THROWS);
        NewGame({"AB"});
        int32_t* cells = gameState.players[0].cells;
        for (int32_t row = ROW_ONES; row < ROW_DYXEL; row++)
            cells[row] = row == ROW_SUM || row == ROW_BONUS ? 0 : -1;
        dice(IDM_THROW);
        dice(IDM_THROW); // the count stays at 1
        SetDice("12666");
        dice(IDM_ALIKE); // the advised dice stand alone
        dice(IDM_TIPS);
        EXPECT_FALSE(fake.highlights[IDM_ALIKE]);
        EXPECT_EQ(held(), "00111");
        EXPECT_EQ(fake.title[WINDOW_DICE], "Spelare: AB   Kvar: 1   Tips: 50,0");
    });
}

// "&Tips": alone, the expected total; against a robot, the champion's holds and its chance to
// win. Against the heuristic robot at the start, the chance is better than even.
TEST_F(UiTest, TheHintGivesTheChanceToWinAgainstOpponents) {
    RunGame([] {
        NewGame({"ABC"});
        SetDice("66655");
        dice(IDM_TIPS);
        EXPECT_EQ(held(), "11100");
        const std::string alone = fake.title[WINDOW_DICE];
        EXPECT_EQ(alone.rfind("Spelare: ABC   Kvar: 2   Tips: ", 0), 0u) << alone;
        EXPECT_EQ(alone.find("vinst"), std::string::npos) << alone;

        fake.answers = {MBOX_ANSWER_YES}; // the game alone is given up
        NewGame({"ABC", "-R"});
        SetDice("12256");
        dice(IDM_TIPS);
        const ChampionAdvice c = championAdvice(0, *gameState.dice, 2);
        std::string hold;
        for (int32_t h : c.hold)
            hold += static_cast<char>('0' + h);
        EXPECT_EQ(held(), hold);
        const std::string title = fake.title[WINDOW_DICE];
        const size_t at = title.find(" \xb7 vinst ");
        ASSERT_NE(at, std::string::npos) << title;
        const int percent = std::atoi(title.c_str() + at + 9);
        EXPECT_EQ(percent, static_cast<int>(c.winChance * 100 + 0.5)) << title;
        EXPECT_GT(percent, 50) << title;
        EXPECT_EQ(title.substr(title.size() - 2), " %");
    });
}
