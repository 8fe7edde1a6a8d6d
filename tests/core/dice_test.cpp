#include "core/dice.h"
#include "store/settings.h"
#include "tests/core/reference.h"
#include <gtest/gtest.h>
#include <sstream>

namespace {

const char* const kSeed1700 = "isaac.rand_macro.seed_all_1700000000";
const char* const kSeed0 = "isaac.rand_macro.seed_all_0";

uint32_t fakeTime;
uint32_t fakeCalendarTime() {
    return fakeTime;
}

// The seed after which the C-runtime generator's next value is r: its state must become r << 16.
uint32_t seedGiving(int32_t r) {
    const uint32_t a = 214013u;
    uint32_t inverse = a; // Newton's iteration doubles the correct low bits each step
    for (int i = 0; i < 5; i++)
        inverse *= 2u - a * inverse;
    return ((static_cast<uint32_t>(r) << 16) - 2531011u) * inverse;
}

// The next ISAAC draw returns w.
void queueIsaacWord(uint32_t w) {
    isaac.count = 1;
    isaac.result[0] = w;
}

class DiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedSettings = settings;
        savedTime = calendarTime;
        SetDefaultSettings(&options);
        settings = &options;
        calendarTime = fakeCalendarTime;
    }
    void TearDown() override {
        settings = savedSettings;
        calendarTime = savedTime;
    }
    void seedIsaacAt(uint32_t seconds) {
        fakeTime = seconds;
        seedIsaacFromTime();
    }
    // Two throws of five free dice take the ten values in die order.
    void expectTwoThrows(const std::vector<int32_t>& dice) {
        DiceThrow d{};
        for (int t = 0; t < 2; t++) {
            throwDice(d);
            for (int i = 0; i < 5; i++)
                EXPECT_EQ(d.face[i], dice[5 * t + i]) << "throw " << t << " die " << i;
        }
    }
    Settings options{};
    Settings* savedSettings = nullptr;
    uint32_t (*savedTime)() = nullptr;
};

TEST(Isaac, MatchesThePublishedReferenceOutput) {
    const std::vector<uint32_t> expected = RandvectWords();
    ASSERT_EQ(expected.size(), 512u) << "isaac-randvect.txt should hold two blocks of 256 words";
    static IsaacGenerator g;
    g = IsaacGenerator{};
    isaacInit(g, true);
    for (size_t block = 0; block < 2; block++) {
        isaacBlock(g);
        for (size_t i = 0; i < 256; i++)
            ASSERT_EQ(g.result[i], expected[256 * block + i]) << "block " << block << " word " << i;
    }
}

TEST_F(DiceTest, SeedingFromTheCalendarGivesTheReferenceReadOutAndDice) {
    const struct {
        const char* section;
        uint32_t seconds;
    } seeds[] = {{kSeed1700, 1700000000u}, {kSeed0, 0u}};
    for (const auto& seed : seeds) {
        SCOPED_TRACE(seed.section);
        const std::vector<uint32_t> first = HexWords(ReferenceValue(seed.section, "first10"));
        const std::vector<uint32_t> later = HexWords(ReferenceValue(seed.section, "value257"));
        const std::vector<int32_t> dice =
            Decimals(ReferenceValue(seed.section, "die_trunc_w_div_4294967295_x6"));
        ASSERT_EQ(first.size(), 10u);
        ASSERT_EQ(later.size(), 1u);
        ASSERT_EQ(dice.size(), 10u);
        seedIsaacAt(seed.seconds);
        for (uint32_t w : first)
            EXPECT_EQ(isaacNext(isaac), w);
        for (int i = 10; i < 256; i++)
            isaacNext(isaac);
        EXPECT_EQ(isaacNext(isaac), later[0]) << "the 257th draw starts a new block at word 255";
        // The same second gives the same sequence again, as dice in die order.
        seedIsaacAt(seed.seconds);
        for (int32_t die : dice)
            EXPECT_EQ(randomIsaac(0, 5), die);
        options.altDice = 0;
        seedIsaacAt(seed.seconds);
        expectTwoThrows(dice);
    }
}

TEST_F(DiceTest, IsaacMappingEdges) {
    const char* const words[] = {"0x2aaaaaaa", "0x2aaaaaab", "0xfffffffe", "0xffffffff"};
    for (const char* word : words) {
        const int32_t formula = Decimals(ReferenceValue("isaac.die_edges", word)).at(0);
        queueIsaacWord(static_cast<uint32_t>(std::stoul(word, nullptr, 16)));
        // The one word the formula sends to 6 is brought back to the top face.
        EXPECT_EQ(randomIsaac(0, 5), formula > 5 ? 5 : formula) << word;
    }
    queueIsaacWord(0);
    EXPECT_EQ(randomIsaac(0, 5), 0);
    queueIsaacWord(0xffffffffu);
    EXPECT_EQ(randomIsaac(0, 32767), 32767);
}

TEST(CrtGenerator, UnseededSequenceStartsFromStateOne) {
    const std::vector<int32_t> expected = Decimals(ReferenceValue("mscrt", "no_srand_first10"));
    ASSERT_EQ(expected.size(), 10u);
    // A fresh process, so that no earlier test has moved the generator.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            for (int32_t v : expected)
                if (crtRand() != v)
                    std::_Exit(1);
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(DiceTest, CrtSequencesAndTheirDice) {
    const struct {
        uint32_t seed;
        const char* values;
        const char* dice;
    } runs[] = {{1, "srand1_first10", "srand1_die"},
                {12345, "srand12345_first10", "srand12345_die"},
                {0, "srand0_first10", nullptr}};
    for (const auto& run : runs) {
        SCOPED_TRACE(run.values);
        const std::vector<int32_t> values = Decimals(ReferenceValue("mscrt", run.values));
        ASSERT_EQ(values.size(), 10u);
        crtSrand(run.seed);
        for (int32_t v : values)
            EXPECT_EQ(crtRand(), v);
        if (run.dice == nullptr)
            continue;
        const std::vector<int32_t> dice = Decimals(ReferenceValue("mscrt", run.dice));
        ASSERT_EQ(dice.size(), 10u);
        crtSrand(run.seed);
        for (int32_t die : dice)
            EXPECT_EQ(randomCrt(0, 5), die);
        // "&Alt tärning" on: the throw takes the same values, die by die.
        options.altDice = 1;
        crtSrand(run.seed);
        expectTwoThrows(dice);
    }
}

TEST_F(DiceTest, CrtMappingOverEveryRawValue) {
    EXPECT_EQ(Decimals(ReferenceValue("mscrt.die", "r5461")).at(0), 0);
    EXPECT_EQ(Decimals(ReferenceValue("mscrt.die", "r5462")).at(0), 1);
    // "0:5462 1:5461 ..." with the one value of 6 counted on the top face.
    int32_t expected[6] = {};
    std::istringstream counts(ReferenceValue("mscrt.die", "counts"));
    std::string item;
    while (counts >> item) {
        const int32_t face = std::stoi(item.substr(0, item.find(':')));
        expected[face > 5 ? 5 : face] += std::stoi(item.substr(item.find(':') + 1));
    }
    int32_t seen[6] = {};
    for (int32_t r = 0; r <= 32767; r++) {
        crtSrand(seedGiving(r));
        const int32_t die = randomCrt(0, 5);
        ASSERT_TRUE(die >= 0 && die <= 5) << "raw value " << r;
        seen[die]++;
        if (r == 5461 || r == 5462 || r == 32767) {
            EXPECT_EQ(die, r == 5461 ? 0 : (r == 5462 ? 1 : 5)) << "raw value " << r;
        }
    }
    for (int f = 0; f < 6; f++)
        EXPECT_EQ(seen[f], expected[f]) << "face " << f;

    options.altDice = 1;
    crtSrand(seedGiving(32767));
    DiceThrow d{};
    d.held[1] = d.held[2] = d.held[3] = d.held[4] = 1;
    throwDice(d);
    EXPECT_EQ(d.face[0], 5);
}

TEST_F(DiceTest, SeedRandomSeedsTheCrtGeneratorOnlyWithAltDice) {
    const std::vector<uint32_t> first = HexWords(ReferenceValue(kSeed1700, "first10"));
    ASSERT_EQ(first.size(), 10u);
    fakeTime = 1700000000u;

    options.altDice = 0;
    crtSrand(99);
    const int32_t continued = crtRand();
    crtSrand(99);
    seedRandom();
    EXPECT_EQ(crtRand(), continued) << "without \"&Alt tärning\" rand continues its sequence";
    EXPECT_EQ(isaacNext(isaac), first[0]) << "ISAAC is seeded whatever the setting";

    // With it on, rand is seeded from the first ISAAC draw scaled to 0..32767, whatever it
    // held before.
    options.altDice = 1;
    const auto seed = static_cast<uint32_t>(first[0] / 4294967295.0 * 32768.0);
    crtSrand(seed);
    std::vector<int32_t> expected;
    for (int i = 0; i < 5; i++)
        expected.push_back(crtRand());
    for (uint32_t before : {7u, 123456u}) {
        crtSrand(before);
        seedRandom();
        for (int32_t v : expected)
            EXPECT_EQ(crtRand(), v) << "previous seed " << before;
        EXPECT_EQ(isaacNext(isaac), first[1]) << "the seeding took exactly one ISAAC word";
    }
}

TEST_F(DiceTest, HoldingDecidesWhichDiceDraw) {
    const std::vector<int32_t> crtDice = Decimals(ReferenceValue("mscrt", "srand1_die"));
    const std::vector<int32_t> isaacDice =
        Decimals(ReferenceValue(kSeed0, "die_trunc_w_div_4294967295_x6"));
    ASSERT_EQ(crtDice.size(), 10u);
    ASSERT_EQ(isaacDice.size(), 10u);
    for (int32_t alt : {1, 0}) {
        SCOPED_TRACE(alt ? "rand" : "ISAAC");
        const std::vector<int32_t>& dice = alt ? crtDice : isaacDice;
        options.altDice = alt;
        if (alt)
            crtSrand(1);
        else
            seedIsaacAt(0);
        DiceThrow d{};
        d.face[0] = 3;
        d.face[2] = 1;
        d.held[0] = d.held[2] = 1;
        throwDice(d);
        // The free dice 1, 3 and 4 take the first three values, in die order.
        const int32_t want[5] = {3, dice[0], 1, dice[1], dice[2]};
        for (int i = 0; i < 5; i++)
            EXPECT_EQ(d.face[i], want[i]) << "die " << i;
        // With every die held nothing is drawn: the next throw goes on from value 3.
        DiceThrow allHeld{};
        for (int i = 0; i < 5; i++) {
            allHeld.face[i] = 4 - i;
            allHeld.held[i] = 1;
        }
        throwDice(allHeld);
        for (int i = 0; i < 5; i++)
            EXPECT_EQ(allHeld.face[i], 4 - i);
        d.held[0] = d.held[2] = 0;
        throwDice(d);
        for (int i = 0; i < 5; i++)
            EXPECT_EQ(d.face[i], dice[3 + i]) << "second throw, die " << i;
    }
}

} // namespace
