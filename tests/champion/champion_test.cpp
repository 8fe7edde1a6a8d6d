#include "champion/champion.h"
#include "champion/model.h"
#include "core/settings.h"
#include "expert/expert.h"
#include <gtest/gtest.h>

namespace {

// Five alike within three throws, keeping the most frequent face: 2783176 of 6^10.
const double YATZY = 2783176.0 / 60466176;
// The champion's tie-break between equal chances adds a trace of the expected total.
const double BREAK = POINT_WORTH * TOTALS;

// A sheet with every row used but `free` (rows of the sheet), "summa" 70 (the bonus won) and
// this "Total".
void setSheet(int32_t player, std::initializer_list<int32_t> free, int32_t total, bool robot) {
    PlayerSheet& s = gameState.players[player];
    for (int32_t row = 0; row < ROW_COUNT; row++)
        s.cells[row] = 1;
    for (int32_t row : free)
        s.cells[row] = 0;
    s.cells[ROW_SUM] = 70;
    s.cells[ROW_BONUS] = 50;
    s.cells[ROW_TOTAL] = total;
    s.isRobot = robot ? 1 : 0;
}

void setTable(int32_t players, int32_t current) {
    gameState.playerCount = players;
    gameState.currentPlayer = current;
    for (int32_t& k : seatRobotKind)
        k = -1;
    extraSettings = ExtraSettings{};
}

DiceThrow diceOf(std::initializer_list<int32_t> pips) {
    DiceThrow d{};
    int32_t i = 0;
    for (int32_t p : pips)
        d.face[i++] = p - 1;
    return d;
}

std::vector<int32_t> held(const int32_t* h) {
    return std::vector<int32_t>(h, h + 5);
}

// Behind by 27 with "Chans" left and one throw to come on 6 6 5 4 1: keeping the 4 makes 27 at
// most. Keeping 6 6 5 wins when two dice make 11 or more (3 of 36) and ties on 10 (3 of 36).
TEST(Champion, BehindTakesTheRiskThatCanStillWin) {
    setTable(2, 0);
    setSheet(0, {ROW_CHANCE}, 200, true);
    setSheet(1, {}, 227, false);
    const DiceThrow d = diceOf({6, 6, 5, 4, 1});
    const ChampionAdvice c = championAdvice(0, d, 1);
    EXPECT_EQ(held(c.hold), (std::vector<int32_t>{1, 1, 1, 0, 0}));
    EXPECT_NEAR(c.winChance, 4.5 / 36, BREAK);
    EXPECT_TRUE(c.hasOpponents);
    const ExpertAdvice e = expertAdvice(gameState.players[0].cells, d, 1);
    EXPECT_EQ(held(e.hold), (std::vector<int32_t>{1, 1, 1, 1, 0})) << "the points move keeps the 4";

    // Behind by 24 instead, keeping the 4 wins unless the last die shows 1 or 2 (a tie on 3).
    setSheet(1, {}, 224, false);
    const ChampionAdvice easy = championAdvice(0, d, 1);
    EXPECT_EQ(held(easy.hold), (std::vector<int32_t>{1, 1, 1, 1, 0}));
    EXPECT_NEAR(easy.winChance, 3.5 / 6, BREAK);
}

// Ahead by one after "Chans" 15 on 1 1 1 6 6, whatever "1:or" brings: the safe row wins for sure,
// though three ones and "Chans" still to come are worth more points.
TEST(Champion, AheadTakesTheSafeRow) {
    setTable(2, 1);
    setSheet(0, {}, 214, true);
    setSheet(1, {ROW_ONES, ROW_CHANCE}, 200, true);
    const DiceThrow d = diceOf({1, 1, 1, 6, 6});
    const ChampionAdvice c = championAdvice(1, d, 0);
    EXPECT_EQ(c.row, ROW_CHANCE);
    EXPECT_NEAR(c.winChance, 1.0, 1e-12);
    EXPECT_EQ(expertAdvice(gameState.players[1].cells, d, 0).row, ROW_ONES);
}

// Seat 1 writes its last row, "Chans" 30 on five sixes, for 230; seat 0 has finished, seat 2 has
// "Dyxel" to play: its five alike wins, ties or falls short by its total. A tie is shared.
TEST(Champion, LaterSeatsAndTiesCount) {
    const struct {
        int32_t first, last;
        double chance;
    } cases[] = {
        {220, 210, 1 - YATZY},                   // a later Dyxel passes the champion
        {220, 180, 1 - YATZY / 2},               // a later Dyxel ties
        {230, 180, (1 - YATZY) / 2 + YATZY / 3}, // tied with seat 0, then perhaps three ways
        {231, 100, 0.0},                         // seat 0 is out of reach
    };
    const DiceThrow d = diceOf({6, 6, 6, 6, 6});
    for (const auto& c : cases) {
        setTable(3, 1);
        setSheet(0, {}, c.first, false);
        setSheet(1, {ROW_CHANCE}, 200, true);
        setSheet(2, {ROW_DYXEL}, c.last, false);
        const ChampionAdvice a = championAdvice(1, d, 0);
        EXPECT_EQ(a.row, ROW_CHANCE);
        EXPECT_NEAR(a.winChance, c.chance, BREAK) << c.first << " " << c.last;
    }
}

// The expert's turns worked forward must give, on average, what its table gives backward; the
// spreads are whole distributions, and the normal one keeps its mean and variance.
TEST(Champion, SpreadsAgreeWithTheExpertsValues) {
    const struct {
        uint32_t free;
        int32_t summa;
    } sheets[] = {{1u << 13, 70}, {1u << 5 | 1u << 14, 45}, {0x3u | 1u << 9 | 1u << 12, 50}};
    for (const auto& c : sheets) {
        const uint32_t used = EXPERT_ALL_USED & ~c.free;
        const std::vector<double> spread = remainingSpread(used, c.summa);
        double total = 0, mean = 0;
        for (size_t i = 0; i < spread.size(); i++) {
            total += spread[i];
            mean += static_cast<double>(i) * spread[i];
        }
        EXPECT_NEAR(total, 1.0, 1e-12) << c.free;
        EXPECT_NEAR(mean, expertValue(used, c.summa), 1e-9) << c.free;
    }
    const std::vector<double> normal = normalSpread(120.5, 900);
    double mean = 0, square = 0;
    for (size_t i = 0; i < normal.size(); i++) {
        mean += static_cast<double>(i) * normal[i];
        square += static_cast<double>(i * i) * normal[i];
    }
    EXPECT_NEAR(mean, 120.5, 0.01);
    EXPECT_NEAR(square - mean * mean, 900 + 1.0 / 12, 0.5) << "whole points add a twelfth";
    EXPECT_GT(remainingVariance(15), remainingVariance(3));
    EXPECT_EQ(remainingVariance(0), 0.0);
}

// Alone, the champion is the expert; a seat's own kind comes before the options.
TEST(Champion, AloneAndKinds) {
    setTable(1, 0);
    setSheet(0, {ROW_CHANCE}, 200, true);
    EXPECT_FALSE(championAdvice(0, diceOf({6, 6, 5, 4, 1}), 1).hasOpponents);
    extraSettings.expertRobots = 1;
    EXPECT_EQ(RobotKindOf(0), ROBOT_EXPERT);
    extraSettings.championRobots = 1;
    EXPECT_EQ(RobotKindOf(0), ROBOT_CHAMPION);
    seatRobotKind[0] = ROBOT_HEURISTIC;
    EXPECT_EQ(RobotKindOf(0), ROBOT_HEURISTIC);
    EXPECT_EQ(RobotKindOf(1), ROBOT_CHAMPION);
    seatRobotKind[0] = -1;
}

} // namespace
