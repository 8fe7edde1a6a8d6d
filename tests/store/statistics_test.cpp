// The statistics file: its text, kept whole between instances, and the fallback for a file that
// is not ours.
#include "store/statistics.h"
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

StatisticsEntry result(const char* name, int32_t total, bool human, int64_t lossMilli = 0) {
    StatisticsEntry e{};
    std::memcpy(e.name, name, std::strlen(name) < 3 ? std::strlen(name) : 3);
    e.games = 1;
    e.totalSum = total;
    e.best = total;
    e.bonusGames = total >= 250;
    e.dyxelGames = total >= 280;
    e.humanGames = human;
    e.decisions = human ? 45 : 0;
    e.lossMilli = lossMilli;
    return e;
}

class Statistics : public testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/dyxel-stats-XXXXXX";
        dir = mkdtemp(name);
        fs::current_path(dir);
    }
    void TearDown() override {
        fs::current_path("/");
        fs::remove_all(dir);
    }
    fs::path dir;
};

const char THREE_GAMES[] =
    "Tolvik dyxel statistik 1\r\n"
    "# namn spel summa b\xe4st bonus dyxel m\xe4nniska beslut f\xf6rlust/1000\r\n"
    "%25\xc5 1 120 120 0 0 1 45 0\r\n"
    "A%20B 2 500 290 1 1 2 90 12345\r\n"
    "R1 3 600 250 1 0 0 0 0\r\n";

} // namespace

TEST_F(Statistics, ThreeGamesOfTwoNamesAndOddBytesInNames) {
    const StatisticsEntry games[][2] = {
        {result("A B", 210, true, 12000), result("R1", 200, false)},
        {result("A B", 290, true, 345), result("R1", 250, false)},
        {result("%\xc5", 120, true), result("R1", 150, false)},
    };
    for (const auto& g : games)
        ASSERT_TRUE(AddGameToStatistics(g, 2));
    EXPECT_EQ(bytes("statistik"), THREE_GAMES);
    EXPECT_FALSE(fs::exists("statistik.bak") || fs::exists("statistik.tmp"));
    std::vector<StatisticsEntry> read;
    ASSERT_TRUE(LoadStatistics(read));
    const std::string again = FormatStatisticsFile(read);
    EXPECT_EQ(again.size() + 5, sizeof THREE_GAMES - 1) << "the same text, but for the CRs";
}

TEST_F(Statistics, OnlyAWholeFileOfThisVersionIsRead) {
#define HEAD "Tolvik dyxel statistik 1\n"
    const char* refused[] = {
        "",
        "Tolvik dyxel statistik 2\nAB 1 200 200 0 0 1 45 0\n",
        "Tolvik dyxel statistik 1 AB 1 200 200 0 0 1 45 0\n",
        HEAD "AB 1 200 200 0 0 1 45 0",                       // its line cut short
        HEAD "AB 1 200 200 0 0 1 45\n",                       // a field missing
        HEAD "AB 1 200 200 0 0 1 45 0 7\n",                   // one too many
        HEAD "AB 1 200 200 2 0 1 45 0\n",                     // more bonus games than games
        HEAD "AB 0 0 0 0 0 0 0 0\n",                          // no game
        HEAD "AB 1 200 201 0 0 1 45 0\n",                     // a best above the sum
        HEAD "AB 1 -200 200 0 0 1 45 0\n",                    // no signs
        HEAD "AB  1 200 200 0 0 1 45 0\n",                    // two blanks
        HEAD "A%2 1 200 200 0 0 1 45 0\n",                    // a broken escape
        HEAD "ABCD 1 200 200 0 0 1 45 0\n",                   // four letters
        HEAD "AB 1 200 200 0 0 1 45 0\nAB 1 1 1 0 0 0 0 0\n", // a name twice
    };
    std::vector<StatisticsEntry> out;
    for (const char* text : refused) {
        EXPECT_FALSE(ParseStatistics(text, std::strlen(text), out)) << text;
        EXPECT_TRUE(out.empty());
    }
    const std::string good = HEAD "# a remark\n\nAB 1 200 200 0 0 1 45 0\n";
#undef HEAD
    ASSERT_TRUE(ParseStatistics(good.data(), good.size(), out));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_STREQ(out[0].name, "AB");
}

TEST_F(Statistics, AFileNotOursIsKeptAsBackupAndANewOneStarted) {
    const std::string foreign =
        "not ours at all, and longer than what comes next" + std::string(2000, 'x');
    std::ofstream("statistik", std::ios::binary) << foreign;
    std::ofstream("statistik.bak", std::ios::binary) << std::string(5000, 'o');
    const StatisticsEntry game[] = {result("AB", 200, true)};
    ASSERT_TRUE(AddGameToStatistics(game, 1));
    EXPECT_EQ(bytes("statistik.bak"), foreign) << "the old backup goes, whole";
    std::vector<StatisticsEntry> read;
    ASSERT_TRUE(LoadStatistics(read)) << "no tail of the foreign file";
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].games, 1);

    // A link is neither followed nor replaced.
    fs::remove("statistik");
    std::ofstream("elsewhere") << "keep";
    fs::create_symlink("elsewhere", "statistik");
    EXPECT_FALSE(AddGameToStatistics(game, 1));
    EXPECT_EQ(bytes("elsewhere"), "keep");
    EXPECT_TRUE(fs::is_symlink("statistik"));
}

TEST_F(Statistics, TwoInstancesFinishingGamesTogetherLoseNothing) {
    pid_t children[2];
    for (int32_t c = 0; c < 2; c++) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            const StatisticsEntry game[] = {result(c == 0 ? "A" : "B", 100 + c, true, 7),
                                            result("R", 200, false)};
            bool ok = true;
            for (int32_t i = 0; i < 150; i++)
                ok = AddGameToStatistics(game, 2) && ok;
            _exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::vector<StatisticsEntry> read;
    ASSERT_TRUE(LoadStatistics(read));
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].games, 150);
    EXPECT_EQ(read[1].totalSum, 150 * 101);
    EXPECT_EQ(read[2].games, 300);
    EXPECT_EQ(read[0].lossMilli, 150 * 7);
}
