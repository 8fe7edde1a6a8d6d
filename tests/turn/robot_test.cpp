// The robot's ranking, hold plans and row choice on chosen dice and sheets.
#include "core/dice.h"
#include "core/scoring.h"
#include "core/turn.h"
#include "robot/robot.h"
#include "tests/support/logic_platform.h"
#include "tests/turn/turn_fixture.h"
#include <array>

namespace {

using Slots = std::array<int32_t, 5>;

Slots candidateRows() {
    return {candidates[0], candidates[1], candidates[2], candidates[3], candidates[4]};
}

Slots heldFlags(const DiceThrow& d) {
    return {d.held[0], d.held[1], d.held[2], d.held[3], d.held[4]};
}

class Robot : public TurnTest {
  protected:
    void SetUp() override {
        TurnTest::SetUp();
        addPlayer("R1", true);
        gameState.turnsLeft = 15;
    }
    // Uses every chosen row of player 0 except those listed.
    void leaveFree(std::initializer_list<int32_t> rows) {
        for (int32_t r = 0; r < ROW_COUNT; r++)
            if (r != ROW_SUM && r != ROW_BONUS && r != ROW_TOTAL)
                cells(0)[r] = -1;
        for (int32_t r : rows)
            cells(0)[r] = 0;
    }
};

TEST(CandidateInsertion, DisplacedRowsOverwriteTheSlotBelow) {
    CandidateList list;
    clearCandidates(list);
    const int32_t rows[5] = {8, 9, 10, 11, 12};
    const int32_t desire[5] = {10, 20, 15, 12, 30};
    insertCandidate(list, rows[0], desire[0]);
    EXPECT_EQ(Slots(std::to_array(list.row)), (Slots{8, 8, 8, 8, 8})) << "the first fills all";
    for (int i = 1; i < 5; i++)
        insertCandidate(list, rows[i], desire[i]);
    // The row of 15 has dropped out although only five rows went in.
    EXPECT_EQ(Slots(std::to_array(list.desire)), (Slots{12, 12, 20, 20, 30}));
    EXPECT_EQ(Slots(std::to_array(list.row)), (Slots{11, 11, 9, 9, 12}));
}

TEST(CandidateInsertion, TiesKeepTheEarlierRowHigherAndLowRowsChangeNothing) {
    CandidateList list;
    clearCandidates(list);
    insertCandidate(list, 3, 50);
    insertCandidate(list, 4, 90);
    insertCandidate(list, 5, 90); // equal to the top: stays below it
    EXPECT_EQ(Slots(std::to_array(list.row)), (Slots{3, 3, 3, 5, 4}));
    const CandidateList before = list;
    insertCandidate(list, 15, 0);
    insertCandidate(list, 14, 50);
    EXPECT_EQ(Slots(std::to_array(list.row)), Slots(std::to_array(before.row)));
}

TEST_F(Robot, TwoTwosOnAnEmptySheetAimForTwosThenSettleOnChansSilently) {
    setDice({2, 2, 3, 5, 6});
    rankRows(dice);
    EXPECT_EQ(rowDesire[ROW_TWOS], 91);
    EXPECT_EQ(candidateRows(), (Slots{1, 1, 1, 1, 1})) << "nothing outranks two 2s";
    EXPECT_EQ(chooseRow(dice, false), ROW_TWOS);
    EXPECT_EQ(heldFlags(dice), (Slots{1, 1, 0, 0, 0}));

    // Still two 2s after the last throw: the margin is 61 - 63 for every slot.
    EXPECT_EQ(upperBonusMargin(0, ROW_TWOS, 2), -2);
    rankRows(dice);
    EXPECT_EQ(chooseRow(dice, true), ROW_CHANCE);
    EXPECT_TRUE(recordedSounds.empty());
}

TEST_F(Robot, FiveAlikeWithDyxelFreeHoldsAllAndWritesDyxelWithItsSound) {
    setDice({6, 6, 6, 6, 6});
    rankRows(dice);
    EXPECT_EQ(rowDesire[ROW_DYXEL], 150);
    EXPECT_EQ(rowDesire[ROW_SIXES], 145);
    EXPECT_EQ(candidates[4], ROW_DYXEL);
    EXPECT_EQ(chooseRow(dice, false), ROW_DYXEL);
    EXPECT_EQ(heldFlags(dice), (Slots{1, 1, 1, 1, 1}));
    EXPECT_TRUE(recordedSounds.empty()) << "the sound belongs to the commit";
    rankRows(dice);
    EXPECT_EQ(chooseRow(dice, true), ROW_DYXEL);
    EXPECT_EQ(recordedSounds, (std::vector<int>{2401}));
}

TEST_F(Robot, FiveAlikeFromTheFirstThrowIsKeptToTheEnd) {
    // Find a game start whose first throw is five alike (about one in 1300).
    DiceThrow probe{};
    uint32_t seed = 0;
    for (;; seed++) {
        crtSrand(seed);
        throwDice(probe);
        if (probe.face[0] == probe.face[1] && probe.face[1] == probe.face[2] &&
            probe.face[2] == probe.face[3] && probe.face[3] == probe.face[4])
            break;
    }
    static std::vector<Slots> seen;
    seen.clear();
    robotPlanned = [](const DiceThrow& d, int32_t) {
        seen.push_back({d.face[0], d.face[1], d.face[2], d.face[3], d.face[4]});
    };
    crtSrand(seed);
    handOverRuns = false;
    options.throwSound = 0;
    resetThrow(dice);
    robotTurn(dice);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[1], seen[0]);
    EXPECT_EQ(seen[2], seen[0]);
    EXPECT_EQ(cells(0)[ROW_DYXEL], 50);
    std::vector<std::string> sounds;
    for (const std::string& e : TakeEvents())
        if (e.rfind("sound", 0) == 0)
            sounds.push_back(e);
    EXPECT_EQ(sounds, (std::vector<std::string>{Ev("sound", 2401)}));
}

TEST_F(Robot, ThreeAlikeTakeTheirUpperRowUnlessDyxelApplies) {
    setDice({5, 5, 5, 1, 3});
    rankRows(dice);
    EXPECT_EQ(rowDesire[ROW_FIVES], 144);
    EXPECT_EQ(chooseRow(dice, true), ROW_FIVES);
    EXPECT_TRUE(recordedSounds.empty()) << "three or more need no margin test";
}

TEST_F(Robot, AScratchedUpperRowCountsMinusOneInTheMargin) {
    cells(0)[ROW_ONES] = -1;
    // -1 + 2 x 5 + the pars 9 + 12 + 15 + 18 = 63: a margin of exactly 0 plays the sound.
    EXPECT_EQ(upperBonusMargin(0, ROW_TWOS, 5), 0);
    EXPECT_EQ(recordedSounds, (std::vector<int>{2407}));
    ClearPlatformRecords();
    EXPECT_EQ(upperBonusMargin(0, ROW_TWOS, 4), -2);
    EXPECT_TRUE(recordedSounds.empty());
}

TEST_F(Robot, AMarginOfExactlyZeroIsNotEnoughAndEverySlotTriesAgain) {
    leaveFree({ROW_TWOS, ROW_CHANCE});
    cells(0)[ROW_ONES] = 5;
    cells(0)[ROW_THREES] = 9;
    cells(0)[ROW_FOURS] = 12;
    cells(0)[ROW_FIVES] = 15;
    cells(0)[ROW_SIXES] = 18;
    setDice({2, 2, 1, 3, 4}); // 59 + 4 = 63
    rankRows(dice);
    EXPECT_EQ(candidateRows(), (Slots{1, 1, 1, 1, 1}));
    EXPECT_EQ(chooseRow(dice, true), ROW_CHANCE);
    EXPECT_EQ(recordedSounds, (std::vector<int>(5, 2407))) << "one bonus sound per slot";

    ClearPlatformRecords();
    cells(0)[ROW_ONES] = 6; // margin 1
    rankRows(dice);
    EXPECT_EQ(chooseRow(dice, true), ROW_TWOS);
    EXPECT_EQ(recordedSounds, (std::vector<int>{2407}));
}

TEST_F(Robot, WithChansUsedTheFallBackCrossesOutWithItsSound) {
    leaveFree({ROW_QUAD, ROW_FULL_HOUSE});
    setDice({1, 2, 3, 4, 6});
    rankRows(dice);
    EXPECT_EQ(candidateRows(), (Slots{11, 11, 11, 11, 11})) << "value 0, but first in";
    crtSrand(77);
    const int expected = 2405 + randomCrt(0, 1);
    crtSrand(77);
    EXPECT_EQ(chooseRow(dice, true), ROW_QUAD) << "no four alike: crossed out";
    EXPECT_EQ(recordedSounds, (std::vector<int>{expected}));
}

TEST_F(Robot, PlanningFallsBackAndCrossesOutToo) {
    leaveFree({ROW_PAIR, ROW_FULL_HOUSE});
    setDice({1, 2, 3, 4, 6});
    rankRows(dice);
    for (uint32_t seed : {77u, 78u, 79u}) {
        ClearPlatformRecords();
        crtSrand(seed);
        const int expected = 2405 + randomCrt(0, 1);
        crtSrand(seed);
        EXPECT_EQ(chooseRow(dice, false), ROW_PAIR) << "no pair to plan for";
        EXPECT_EQ(recordedSounds, (std::vector<int>{expected}));
    }

    ClearPlatformRecords();
    options.robotSound = 0;
    crtSrand(77);
    const int32_t untouched = crtRand();
    crtSrand(77);
    EXPECT_EQ(fallbackRow(-1), ROW_PAIR);
    EXPECT_TRUE(recordedSounds.empty());
    EXPECT_EQ(crtRand(), untouched) << "a silent cue draws nothing";
}

TEST_F(Robot, FallBackGoesToChansFirstAndOtherwiseByItsOrder) {
    EXPECT_EQ(fallbackRow(ROW_FOURS), ROW_FOURS);
    EXPECT_EQ(fallbackRow(-1), ROW_CHANCE);
    leaveFree({ROW_SIXES, ROW_DYXEL, ROW_TWO_PAIRS});
    EXPECT_EQ(fallbackRow(-1), ROW_TWO_PAIRS);
    leaveFree({ROW_SIXES, ROW_ONES});
    EXPECT_EQ(fallbackRow(-1), ROW_ONES);
}

TEST_F(Robot, TwoPairIsTakenWithoutATestEvenForZero) {
    leaveFree({ROW_TWO_PAIRS, ROW_TRIPLE, ROW_CHANCE});
    setDice({3, 3, 1, 5, 6});
    rankRows(dice);
    EXPECT_EQ(candidates[4], ROW_TWO_PAIRS);
    EXPECT_EQ(chooseRow(dice, true), ROW_TWO_PAIRS);
    gameState.selection = Selection{0, ROW_TWO_PAIRS, 1};
    commitSelection();
    EXPECT_EQ(cells(0)[ROW_TWO_PAIRS], -1);
}

TEST_F(Robot, ARowOfValueZeroFirstInFillsTheListAndChansIsWritten) {
    leaveFree({ROW_PAIR, ROW_CHANCE, ROW_DYXEL});
    setDice({1, 2, 3, 4, 6});
    rankRows(dice);
    EXPECT_EQ(candidateRows(), (Slots{8, 8, 8, 8, 8}));
    EXPECT_EQ(chooseRow(dice, true), ROW_CHANCE);
    EXPECT_TRUE(recordedSounds.empty());
}

TEST_F(Robot, StraightPlansHoldOneDieOfEachFace) {
    setDice({1, 1, 3, 4, 6});
    leaveFree({ROW_SMALL});
    rankRows(dice);
    EXPECT_EQ(chooseRow(dice, false), ROW_SMALL);
    EXPECT_EQ(heldFlags(dice), (Slots{1, 0, 1, 1, 0})) << "the six is passed over";
    leaveFree({ROW_LARGE, ROW_CHANCE});
    rankRows(dice);
    EXPECT_EQ(chooseRow(dice, false), ROW_LARGE);
    EXPECT_EQ(heldFlags(dice), (Slots{0, 0, 1, 1, 1})) << "the ones are passed over";
    EXPECT_EQ(chooseRow(dice, true), ROW_CHANCE) << "three faces are no straight";

    setDice({6, 5, 3, 4, 2});
    rankRows(dice);
    EXPECT_EQ(chooseRow(dice, true), ROW_LARGE);
}

TEST_F(Robot, StraightsAreWorthMoreOnceTheBonusIsWon) {
    setDice({1, 2, 3, 4, 6});
    rankRows(dice);
    EXPECT_EQ(rowDesire[ROW_SMALL], 20);
    EXPECT_EQ(rowDesire[ROW_LARGE], 30);
    cells(0)[ROW_BONUS] = 50;
    rankRows(dice);
    EXPECT_EQ(rowDesire[ROW_SMALL], 50);
    EXPECT_EQ(rowDesire[ROW_LARGE], 75);
}

TEST_F(Robot, CombinationDesiresUseTheFaceIndex) {
    setDice({2, 2, 5, 5, 5}); // full house: pair face 1, triple face 4
    rankRows(dice);
    EXPECT_EQ(rowDesire[ROW_PAIR], 12 * 1);
    EXPECT_EQ(rowDesire[ROW_TRIPLE], 15 * 4);
    EXPECT_EQ(rowDesire[ROW_FULL_HOUSE], 10 * 1 + 4 * 4 + 3 * 1);
    setDice({4, 4, 4, 1, 2}); // a triple of fours earns the extra 30
    rankRows(dice);
    EXPECT_EQ(rowDesire[ROW_FULL_HOUSE], 30);
    setDice({1, 1, 1, 3, 5}); // a triple of ones is worth nothing to "Triss"
    rankRows(dice);
    EXPECT_EQ(rowDesire[ROW_TRIPLE], 0);
    EXPECT_EQ(rowDesire[ROW_CHANCE], 0);
    EXPECT_EQ(rowDesire[ROW_SUM] + rowDesire[ROW_BONUS] + rowDesire[ROW_TOTAL], 0);
}

TEST_F(Robot, TrissWithFiveAlikeHoldsNothingButCountsInTheCommit) {
    leaveFree({ROW_TRIPLE, ROW_CHANCE});
    setDice({3, 3, 3, 3, 3});
    rankRows(dice);
    EXPECT_EQ(chooseRow(dice, false), ROW_TRIPLE);
    EXPECT_EQ(heldFlags(dice), (Slots{0, 0, 0, 0, 0})) << "no face shows exactly three";
    EXPECT_EQ(chooseRow(dice, true), ROW_TRIPLE);
    EXPECT_EQ(recordedSounds, (std::vector<int>{2401}));
}

} // namespace
