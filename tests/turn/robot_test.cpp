// The robot's ranking, hold plans and row choice on chosen dice and sheets.
#include "core/dice.h"
#include "core/scoring.h"
#include "core/turn.h"
#include "robot/robot.h"
#include "tests/support/logic_platform.h"
#include "tests/turn/turn_fixture.h"
#include <algorithm>
#include <array>

namespace {

using Slots = std::array<int32_t, 5>;
using Sounds = std::vector<int>;
const std::vector<int32_t> ALL_FREE;

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
    // Uses every chosen row of player 0 except those listed; an empty list leaves all free.
    void leaveFree(const std::vector<int32_t>& rows) {
        for (int32_t r = 0; r < ROW_COUNT; r++)
            if (r != ROW_SUM && r != ROW_BONUS && r != ROW_TOTAL)
                cells(0)[r] = rows.empty() ? 0 : -1;
        for (int32_t r : rows)
            cells(0)[r] = 0;
    }
};

TEST(CandidateInsertion, DisplacedRowsOverwriteTheSlotBelowAndTiesStayBelow) {
    CandidateList list;
    clearCandidates(list);
    insertCandidate(list, 8, 10);
    EXPECT_EQ(Slots(std::to_array(list.row)), (Slots{8, 8, 8, 8, 8})) << "the first fills all";
    for (auto [row, desire] : {std::pair{9, 20}, {10, 15}, {11, 12}, {12, 30}})
        insertCandidate(list, row, desire);
    // The row of 15 has dropped out although only five rows went in.
    EXPECT_EQ(Slots(std::to_array(list.desire)), (Slots{12, 12, 20, 20, 30}));
    EXPECT_EQ(Slots(std::to_array(list.row)), (Slots{11, 11, 9, 9, 12}));

    clearCandidates(list);
    insertCandidate(list, 3, 50);
    insertCandidate(list, 4, 90);
    insertCandidate(list, 5, 90); // equal to the top: stays below it
    EXPECT_EQ(Slots(std::to_array(list.row)), (Slots{3, 3, 3, 5, 4}));
    insertCandidate(list, 15, 0);
    insertCandidate(list, 14, 50);
    EXPECT_EQ(Slots(std::to_array(list.row)), (Slots{3, 3, 3, 5, 4})) << "low rows change nothing";
}

TEST_F(Robot, Desires) {
    const struct {
        std::initializer_list<int> pips;
        int32_t bonus, row, desire;
    } cases[] = {
        {{2, 2, 3, 5, 6}, 0, ROW_TWOS, 91},       {{6, 6, 6, 6, 6}, 0, ROW_DYXEL, 150},
        {{6, 6, 6, 6, 6}, 0, ROW_SIXES, 145},     {{5, 5, 5, 1, 3}, 0, ROW_FIVES, 144},
        {{1, 2, 3, 4, 6}, 0, ROW_SMALL, 20},      {{1, 2, 3, 4, 6}, 0, ROW_LARGE, 30},
        {{1, 2, 3, 4, 6}, 50, ROW_SMALL, 50}, // straights gain once the bonus is won
        {{1, 2, 3, 4, 6}, 50, ROW_LARGE, 75},     {{2, 2, 5, 5, 5}, 0, ROW_PAIR, 12},
        {{2, 2, 5, 5, 5}, 0, ROW_TRIPLE, 60},     {{2, 2, 5, 5, 5}, 0, ROW_FULL_HOUSE, 29},
        {{4, 4, 4, 1, 2}, 0, ROW_FULL_HOUSE, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << ROW_LABELS[c.row] << " bonus " << c.bonus);
        cells(0)[ROW_BONUS] = c.bonus;
        setDice(c.pips);
        rankRows(dice);
        EXPECT_EQ(rowDesire[c.row], c.desire);
    }
    setDice({1, 1, 1, 3, 5}); // nothing worth having, and the sums are never wanted
    rankRows(dice);
    for (int32_t row : {ROW_TRIPLE, ROW_CHANCE, ROW_SUM, ROW_BONUS, ROW_TOTAL}) {
        EXPECT_EQ(rowDesire[row], 0) << ROW_LABELS[row];
    }
}

TEST_F(Robot, ChoicesHoldsAndCues) {
    const Slots NONE{-1, -1, -1, -1, -1};
    const struct {
        const char* what;
        std::vector<int32_t> free;
        std::initializer_list<int> pips;
        Slots candidates; // NONE: not checked
        int32_t top;      // candidates[4], -1: not checked
        int32_t planned;
        Slots held;
        int32_t committed;
        Sounds sounds; // at the commit; planning is silent here
    } cases[] = {
        // clang-format off
        {"two 2s aim for 2:or, settle on Chans (margin 61 - 63)", ALL_FREE, {2, 2, 3, 5, 6},
         {1, 1, 1, 1, 1}, -1, ROW_TWOS, {1, 1, 0, 0, 0}, ROW_CHANCE, {}},
        {"five alike with Dyxel free", ALL_FREE, {6, 6, 6, 6, 6},
         NONE, ROW_DYXEL, ROW_DYXEL, {1, 1, 1, 1, 1}, ROW_DYXEL, {2401}},
        {"three alike need no margin test", ALL_FREE, {5, 5, 5, 1, 3},
         NONE, -1, -1, NONE, ROW_FIVES, {}},
        {"a value-0 row first in fills the list", {ROW_PAIR, ROW_CHANCE, ROW_DYXEL}, {1, 2, 3, 4, 6},
         {8, 8, 8, 8, 8}, -1, -1, NONE, ROW_CHANCE, {}},
        {"small straight passes the six over", {ROW_SMALL}, {1, 1, 3, 4, 6},
         NONE, -1, ROW_SMALL, {1, 0, 1, 1, 0}, -1, {}},
        {"large straight passes the ones; three faces are none", {ROW_LARGE, ROW_CHANCE}, {1, 1, 3, 4, 6},
         NONE, -1, ROW_LARGE, {0, 0, 1, 1, 1}, ROW_CHANCE, {}},
        {"a large straight", {ROW_LARGE, ROW_CHANCE}, {6, 5, 3, 4, 2},
         NONE, -1, -1, NONE, ROW_LARGE, {}},
        {"Triss on five alike holds nothing", {ROW_TRIPLE, ROW_CHANCE}, {3, 3, 3, 3, 3},
         NONE, -1, ROW_TRIPLE, {0, 0, 0, 0, 0}, ROW_TRIPLE, {2401}},
        {"two pairs taken without a test", {ROW_TWO_PAIRS, ROW_TRIPLE, ROW_CHANCE}, {3, 3, 1, 5, 6},
         NONE, ROW_TWO_PAIRS, -1, NONE, ROW_TWO_PAIRS, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        leaveFree(c.free);
        setDice(c.pips);
        ClearPlatformRecords();
        rankRows(dice);
        if (c.candidates != NONE) {
            EXPECT_EQ(Slots(std::to_array(candidates)), c.candidates);
        }
        if (c.top >= 0) {
            EXPECT_EQ(candidates[4], c.top);
        }
        if (c.planned >= 0) {
            EXPECT_EQ(chooseRow(dice, false), c.planned);
            EXPECT_EQ(heldFlags(dice), c.held);
            EXPECT_TRUE(recordedSounds.empty()) << "the sound belongs to the commit";
        }
        if (c.committed >= 0) {
            rankRows(dice);
            EXPECT_EQ(chooseRow(dice, true), c.committed);
            EXPECT_EQ(recordedSounds, c.sounds);
        }
    }
    setDice({2, 2, 3, 5, 6});
    leaveFree(ALL_FREE);
    EXPECT_EQ(upperBonusMargin(0, ROW_TWOS, 2), -2);
    // The two pairs row went in at value 0 and is crossed out.
    setDice({3, 3, 1, 5, 6});
    leaveFree({ROW_TWO_PAIRS});
    gameState.selection = Selection{0, ROW_TWO_PAIRS, 1};
    commitSelection();
    EXPECT_EQ(cells(0)[ROW_TWO_PAIRS], -1);
}

TEST_F(Robot, FiveAlikeFromTheFirstThrowIsKeptToTheEnd) {
    // Find a game start whose first throw is five alike (about one in 1300).
    DiceThrow probe{};
    uint32_t seed = 0;
    for (;; seed++) {
        crtSrand(seed);
        throwDice(probe);
        if (std::count(probe.face, probe.face + 5, probe.face[0]) == 5)
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

TEST_F(Robot, UpperBonusMargin) {
    cells(0)[ROW_ONES] = -1;
    // A scratched row counts -1: -1 + 2 x 5 + the pars 9 + 12 + 15 + 18 = 63, margin 0, a sound.
    EXPECT_EQ(upperBonusMargin(0, ROW_TWOS, 5), 0);
    EXPECT_EQ(recordedSounds, Sounds{2407});
    ClearPlatformRecords();
    EXPECT_EQ(upperBonusMargin(0, ROW_TWOS, 4), -2);
    EXPECT_TRUE(recordedSounds.empty());

    // A margin of exactly 0 is not enough, and every slot tries again.
    leaveFree({ROW_TWOS, ROW_CHANCE});
    const int32_t pars[] = {5, 0, 9, 12, 15, 18};
    for (int32_t r = ROW_ONES; r <= ROW_SIXES; r++)
        if (r != ROW_TWOS)
            cells(0)[r] = pars[r];
    setDice({2, 2, 1, 3, 4}); // 59 + 4 = 63
    ClearPlatformRecords();
    rankRows(dice);
    EXPECT_EQ(Slots(std::to_array(candidates)), (Slots{1, 1, 1, 1, 1}));
    EXPECT_EQ(chooseRow(dice, true), ROW_CHANCE);
    EXPECT_EQ(recordedSounds, Sounds(5, 2407)) << "one bonus sound per slot";
    ClearPlatformRecords();
    cells(0)[ROW_ONES] = 6; // margin 1
    rankRows(dice);
    EXPECT_EQ(chooseRow(dice, true), ROW_TWOS);
    EXPECT_EQ(recordedSounds, Sounds{2407});
}

TEST_F(Robot, FallBackCrossesOutWithItsSound) {
    EXPECT_EQ(fallbackRow(ROW_FOURS), ROW_FOURS);
    EXPECT_EQ(fallbackRow(-1), ROW_CHANCE);
    leaveFree({ROW_SIXES, ROW_DYXEL, ROW_TWO_PAIRS});
    EXPECT_EQ(fallbackRow(-1), ROW_TWO_PAIRS);
    leaveFree({ROW_SIXES, ROW_ONES});
    EXPECT_EQ(fallbackRow(-1), ROW_ONES);

    // With Chans used: nothing to plan for or score, so the first row in is crossed out.
    const struct {
        int32_t free;
        bool commit;
        Slots candidates;
    } cases[] = {{ROW_QUAD, true, {11, 11, 11, 11, 11}}, {ROW_PAIR, false, {8, 8, 8, 8, 8}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(ROW_LABELS[c.free]);
        leaveFree({c.free, ROW_FULL_HOUSE});
        setDice({1, 2, 3, 4, 6});
        rankRows(dice);
        EXPECT_EQ(Slots(std::to_array(candidates)), c.candidates) << "value 0, but first in";
        for (uint32_t seed : {77u, 78u, 79u}) {
            ClearPlatformRecords();
            crtSrand(seed);
            const int expected = 2405 + randomCrt(0, 1);
            crtSrand(seed);
            EXPECT_EQ(chooseRow(dice, c.commit), c.free);
            EXPECT_EQ(recordedSounds, Sounds{expected});
        }
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

} // namespace
