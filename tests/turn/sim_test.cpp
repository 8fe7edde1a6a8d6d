// The built dyxel-sim: its trace contract, its summary, its top-ten offers and its refusals.
#include "store/topten.h"
#include "tests/turn/turn_fixture.h"
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <sys/wait.h>

namespace {

struct SimRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the simulator in the current (private) working directory.
SimRun sim(const std::string& args) {
    SimRun run;
    const std::string cmd = std::string("'") + DYXEL_SIM + "' " + args + " 2>sim-stderr";
    FILE* pipe = popen(cmd.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
        run.out.append(buf, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* e = fopen("sim-stderr", "rb")) {
        while ((n = fread(buf, 1, sizeof buf, e)) > 0)
            run.err.append(buf, n);
        fclose(e);
    }
    std::remove("sim-stderr");
    return run;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> v;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        v.push_back(l);
    return v;
}

class Sim : public TurnTest {};

// Checks the shape and the inner consistency of a trace; returns every game's final totals.
std::vector<std::vector<int>> checkTrace(const std::string& out, int robots, int games,
                                         bool throwSound, bool robotSound) {
    static const std::regex throwLine(
        R"(throw g=(\d+) t=(\d+) p=(\d) k=([123]) dice=([1-6]{5}) held=([01]{5}))");
    static const std::regex soundLine(R"(sound g=(\d+) t=(\d+) p=(\d) id=(\d+))");
    static const std::regex rowLine(
        R"(row g=(\d+) t=(\d+) p=(\d) row=(\d+) cell=(-?\d+) total=(\d+))");
    static const std::regex endLine(R"(end g=(\d+) totals=(\d+(,\d+)*))");
    EXPECT_TRUE(out.empty() || out.back() == '\n');
    std::vector<std::vector<int>> finals;
    int game = 1, turn = 1, throwK = 0;
    std::vector<int> lastTotal(static_cast<size_t>(robots), 0);
    std::vector<std::array<bool, ROW_COUNT>> used(static_cast<size_t>(robots));
    std::vector<int> rowsWritten(static_cast<size_t>(robots), 0);
    for (const std::string& l : lines(out)) {
        SCOPED_TRACE(l);
        std::smatch m;
        const int player = (turn - 1) % robots;
        if (std::regex_match(l, m, throwLine)) {
            EXPECT_EQ(std::stoi(m[1]), game);
            EXPECT_EQ(std::stoi(m[2]), turn);
            EXPECT_EQ(std::stoi(m[3]), player);
            EXPECT_EQ(std::stoi(m[4]), ++throwK);
            const std::string d = m[5];
            EXPECT_TRUE(std::is_sorted(d.begin(), d.end())) << "analysed dice are sorted";
        } else if (std::regex_match(l, m, soundLine)) {
            EXPECT_EQ(std::stoi(m[1]), game);
            EXPECT_EQ(std::stoi(m[2]), turn);
            const int id = std::stoi(m[4]);
            EXPECT_TRUE(id >= 2401 && id <= 2407);
            EXPECT_EQ(id >= 2402 && id <= 2404 ? throwSound : robotSound, true) << id;
        } else if (std::regex_match(l, m, rowLine)) {
            EXPECT_EQ(std::stoi(m[1]), game);
            EXPECT_EQ(std::stoi(m[2]), turn);
            EXPECT_EQ(std::stoi(m[3]), player);
            EXPECT_EQ(throwK, 3) << "three throws before every commit";
            const int row = std::stoi(m[4]), cell = std::stoi(m[5]), total = std::stoi(m[6]);
            EXPECT_TRUE(row >= 0 && row <= 16 && row != 6 && row != 7) << row;
            EXPECT_TRUE(cell == -1 || cell > 0);
            auto& rows = used[static_cast<size_t>(player)];
            EXPECT_FALSE(rows[static_cast<size_t>(row)]) << "row written twice";
            rows[static_cast<size_t>(row)] = true;
            // The total grows by the cell, and by the bonus once.
            const int grown = total - lastTotal[static_cast<size_t>(player)];
            const int points = cell > 0 ? cell : 0;
            EXPECT_TRUE(grown == points || (row < 6 && grown == points + 50)) << grown;
            lastTotal[static_cast<size_t>(player)] = total;
            rowsWritten[static_cast<size_t>(player)]++;
            throwK = 0;
            turn++;
        } else if (std::regex_match(l, m, endLine)) {
            EXPECT_EQ(std::stoi(m[1]), game);
            EXPECT_EQ(turn, 15 * robots + 1) << "15 turns each";
            std::vector<int> totals;
            std::stringstream list(m[2]);
            for (std::string t; std::getline(list, t, ',');)
                totals.push_back(std::stoi(t));
            EXPECT_EQ(totals, lastTotal) << "the end shows the last totals";
            for (int p = 0; p < robots; p++) {
                EXPECT_EQ(rowsWritten[static_cast<size_t>(p)], 15);
            }
            finals.push_back(totals);
            game++;
            turn = 1;
            lastTotal.assign(static_cast<size_t>(robots), 0);
            used.assign(static_cast<size_t>(robots), {});
            rowsWritten.assign(static_cast<size_t>(robots), 0);
        } else {
            ADD_FAILURE() << "unknown line";
        }
        if (::testing::Test::HasFailure())
            break;
    }
    EXPECT_EQ(static_cast<int>(finals.size()), games);
    return finals;
}

TEST_F(Sim, TraceFollowsTheContractForEveryPlayerCount) {
    for (int robots : {1, 3, 5}) {
        SCOPED_TRACE(robots);
        SimRun run =
            sim("--robots " + std::to_string(robots) + " --games 3 --time 1700000000 --trace");
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        checkTrace(run.out, robots, 3, true, true);
        EXPECT_FALSE(std::filesystem::exists("h_score")) << "the list is left alone";
    }
}

TEST_F(Sim, TheSameTimeReplaysTheSameGames) {
    const SimRun a = sim("--robots 2 --games 2 --time 1234567 --trace");
    const SimRun b = sim("--robots 2 --games 2 --time 1234567 --trace");
    const SimRun c = sim("--robots 2 --games 2 --time 1234568 --trace");
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out, c.out);
    // Game 2 is seeded with T + 1, and its dice reseed the C-runtime generator: it is the
    // game that a run from T + 1 plays first.
    const SimRun second = sim("--robots 2 --games 1 --time 1234568 --trace");
    std::string gameTwo;
    for (std::string l : lines(a.out)) {
        const size_t at = l.find(" g=2");
        if (at == std::string::npos)
            continue;
        l.replace(at, 4, " g=1");
        gameTwo += l + "\n";
    }
    EXPECT_FALSE(gameTwo.empty());
    EXPECT_EQ(gameTwo, second.out);
}

TEST_F(Sim, SoundOptionsSilenceTheirCues) {
    SimRun quiet = sim("--robots 2 --games 2 --time 99 --throw-sound 0 --trace");
    ASSERT_EQ(quiet.status, 0);
    checkTrace(quiet.out, 2, 2, false, true);
    SimRun calm = sim("--robots 2 --games 2 --time 99 --robot-sound 0 --alt-dice 0 --trace");
    ASSERT_EQ(calm.status, 0);
    checkTrace(calm.out, 2, 2, true, false);
    EXPECT_EQ(sim("--games 2 --time 99 --throw-sound 0 --robot-sound 0 --trace").out.find("sound"),
              std::string::npos);
}

TEST_F(Sim, TopTenTakesEveryTotalAsTheGameWould) {
    SimRun run = sim("--robots 4 --games 5 --time 1700000000 --trace --top-ten");
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<int> all;
    for (const auto& totals : checkTrace(run.out, 4, 5, true, true))
        all.insert(all.end(), totals.begin(), totals.end());
    std::sort(all.rbegin(), all.rend());
    topTen = TopTenList{};
    LoadTopTen();
    for (int i = 0; i < 10; i++) {
        EXPECT_EQ(topTen.entries[i].score, all[static_cast<size_t>(i)]) << i;
    }
    EXPECT_EQ(topTen.entries[0].name[0], 'R');
}

TEST_F(Sim, SummaryReportsOverEverySheet) {
    SimRun run = sim("--robots 2 --games 50 --time 42");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto l = lines(run.out);
    ASSERT_EQ(l.size(), 5u) << run.out;
    EXPECT_EQ(l[0], "games: 50, robots: 2, sheets: 100");
    std::smatch m;
    ASSERT_TRUE(
        std::regex_match(l[1], m, std::regex(R"(total: mean (\d+\.\d\d), min (\d+), max (\d+))")));
    const double mean = std::stod(m[1]);
    EXPECT_LE(std::stoi(m[2]), mean);
    EXPECT_GE(std::stoi(m[3]), mean);
    EXPECT_TRUE(std::regex_match(l[2], std::regex(R"(bonus: \d+\.\d\d% of sheets)")));
    EXPECT_TRUE(std::regex_match(l[3], std::regex(R"(dyxel: \d+\.\d\d% of sheets)")));
    EXPECT_TRUE(std::regex_match(l[4], std::regex(R"(speed: \d+ games/s)")));

    // The same games traced: the summary's figures come from them.
    SimRun traced = sim("--robots 2 --games 50 --time 42 --trace");
    long sum = 0;
    int lo = 1 << 30, hi = 0;
    for (const auto& totals : checkTrace(traced.out, 2, 50, true, true))
        for (int t : totals) {
            sum += t;
            lo = std::min(lo, t);
            hi = std::max(hi, t);
        }
    char expected[80];
    std::snprintf(expected, sizeof expected, "total: mean %.2f, min %d, max %d", sum / 100.0, lo,
                  hi);
    EXPECT_EQ(l[1], expected);
}

TEST_F(Sim, BadArgumentsExitWithTwoAndAUsage) {
    for (const char* args :
         {"--robots 0", "--robots 6", "--robots", "--robots x", "--games 0", "--games -3",
          "--games 1e3", "--games 1000000001", "--time -1", "--time 4294967296", "--alt-dice 2",
          "--throw-sound yes", "--robot-sound", "--trace extra", "--bogus", "-r 2"}) {
        SCOPED_TRACE(args);
        const SimRun run = sim(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: dyxel-sim"), std::string::npos);
    }
    const SimRun help = sim("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--top-ten"), std::string::npos);
}

} // namespace
