#include "expert/expert.h"
#include "expert/table.h"
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>

namespace {

constexpr uint32_t onlyFree(int32_t bit) {
    return EXPERT_ALL_USED & ~(1u << bit);
}
constexpr int32_t SIXES = 5, CHANCE = 13, DYXEL = 14;

// Sixes are kept, so after three throws each die shows six with 1 - (5/6)^3 = 91/216.
const double SIX_BY_THIRD = 91.0 / 216;
const double SIXES_MEAN = 5 * SIX_BY_THIRD * 6;
// The chance of at least three sixes: what a "summa" of 45 needs for the bonus.
const double THREE_SIXES = 10 * std::pow(SIX_BY_THIRD, 3) * std::pow(1 - SIX_BY_THIRD, 2) +
                           5 * std::pow(SIX_BY_THIRD, 4) * (1 - SIX_BY_THIRD) +
                           std::pow(SIX_BY_THIRD, 5);

struct Endgame {
    const char* what;
    uint32_t used;
    int32_t summa;
    double value;
};

// One free row left: values worked out by hand.
const Endgame ENDGAMES[] = {
    // Keep 5 and 6 with two throws to come, 4 to 6 with one: 5/3 + 2/3 x 4.25 a die.
    {"Chans", onlyFree(CHANCE), 0, 70.0 / 3},
    // Keep the most frequent face: five alike within three throws in 2783176 of 6^10.
    {"Dyxel", onlyFree(DYXEL), 0, 50 * 2783176.0 / 60466176},
    {"6:or, bonus won", onlyFree(SIXES), 63, SIXES_MEAN},
    {"6:or, bonus three sixes away", onlyFree(SIXES), 45, SIXES_MEAN + 50 * THREE_SIXES},
    {"6:or, bonus out of reach", onlyFree(SIXES), 30, SIXES_MEAN},
    {"6:or, any six wins the bonus", onlyFree(SIXES), 62,
     SIXES_MEAN + 50 * (1 - std::pow(1 - SIX_BY_THIRD, 5))},
};

TEST(Expert, EndgamesWorkedByHand) {
    for (const Endgame& e : ENDGAMES)
        EXPECT_NEAR(expertValue(e.used, e.summa), e.value, 1e-9) << e.what;
    EXPECT_EQ(expertValue(EXPERT_ALL_USED, 0), 0.0);
}

TEST(Expert, EmptySheet) {
    EXPECT_NEAR(expertValue(0, 0), 248.4399894, 5e-8);
    EXPECT_TRUE(expertTableReady());
}

// Under "&3 Kast" the advice holds toward the best stopping roll by the fewest throws, and the
// total counts that roll's row.
TEST(Expert, UnlimitedThrowsHoldTowardTheBestStop) {
    const int32_t PAIR = 6, LARGE = 11;
    const struct {
        uint32_t used;
        int32_t summa;
        const char* dice;
        const char* hold;
        double worth;
    } cases[] = {
        {onlyFree(CHANCE), 0, "12356", "00001", 30},
        {onlyFree(CHANCE), 0, "66666", "11111", 30}, // there: stop
        {onlyFree(DYXEL), 0, "12666", "00111", 50},
        {onlyFree(SIXES), 62, "16623", "01100", 30 + 50},
        {onlyFree(LARGE), 0, "22346", "10111", 20}, // one two, not both
        // "1 par" scores its best (12) now, yet "Dyxel" first is worth more.
        {onlyFree(DYXEL) & onlyFree(PAIR), 0, "66612", "11100",
         50 + expertValue(onlyFree(PAIR), 0)},
    };
    for (const auto& c : cases) {
        int32_t cells[ROW_COUNT] = {};
        for (int32_t bit = 0; bit < EXPERT_ROWS; bit++)
            cells[expertRowOf(bit)] = c.used >> bit & 1u ? -1 : 0;
        cells[ROW_SUM] = c.summa;
        cells[ROW_TOTAL] = 7;
        DiceThrow d{};
        for (int32_t i = 0; i < 5; i++)
            d.face[i] = c.dice[i] - '1';
        const ExpertAdvice a = expertAdviceUnlimited(cells, d);
        std::string hold;
        for (int32_t h : a.hold)
            hold += static_cast<char>('0' + h);
        EXPECT_EQ(hold, c.hold) << c.dice;
        EXPECT_NEAR(a.expectedTotal, 7 + c.worth, 1e-9) << c.dice;
    }
}

TEST(Expert, ReachableSums) {
    const struct {
        uint32_t used;
        int32_t summa;
        bool reachable;
    } cases[] = {
        {0, 0, true},
        {0, 1, false},
        {1u << 0, 5, true},
        {1u << 0, 6, false},
        {1u << 5, 30, true},
        {1u << 5, 31, false},
        {1u << 5 | 1u << 1, 14, true},
        {0x3f, 105, true},
        {0x3f, 104, true},
        {0x3f, 106, false},
        {0x7fff, 63, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(expertSheetReachable(c.used, c.summa), c.reachable) << c.used << " " << c.summa;
}

// Built in slices, a breather after each sheet on the caller's thread alone (the browser's
// pause cannot run on another), the table is the same to the byte.
std::thread::id caller;
int32_t breaths, elsewhere;
void countBreath() {
    breaths++;
    elsewhere += std::this_thread::get_id() != caller;
}

TEST(Expert, TableInSlicesIsTheSame) {
    caller = std::this_thread::get_id();
    for (int32_t threads : {1, 2}) {
        breaths = elsewhere = 0;
        std::unique_ptr<double[]> values(new double[EXPERT_TABLE_SIZE]());
        ASSERT_TRUE(buildExpertTable(values.get(), threads, nullptr, countBreath));
        EXPECT_EQ(std::memcmp(values.get(), expertTable(), EXPERT_TABLE_SIZE * sizeof(double)), 0)
            << threads;
        EXPECT_EQ(elsewhere, 0) << threads;
        if (threads == 1)
            EXPECT_EQ(breaths, static_cast<int32_t>(EXPERT_ALL_USED) + 1);
        else
            EXPECT_GT(breaths, 0);
    }
}

} // namespace
