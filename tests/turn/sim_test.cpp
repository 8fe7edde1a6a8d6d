// The built dyxel-sim: its trace contract, its summary, its top-ten offers and its refusals.
#include "store/topten.h"
#include "tests/turn/turn_fixture.h"
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
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
    FILE* pipe = popen(("'" DYXEL_SIM "' " + args + " 2>sim-stderr").c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buf[65536];
    for (size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;)
        run.out.append(buf, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream err("sim-stderr");
    run.err.assign(std::istreambuf_iterator<char>(err), {});
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

template <typename... Args> std::string format(const char* f, Args... args) {
    char buf[200];
    std::snprintf(buf, sizeof buf, f, args...);
    return buf;
}

// Checks every line against the one the contract prints at that point, and the totals' inner
// consistency; returns every game's final totals.
std::vector<std::vector<int>> checkTrace(const std::string& out, int robots, int games,
                                         bool throwSound, bool robotSound) {
    EXPECT_TRUE(out.empty() || out.back() == '\n');
    const auto n = static_cast<size_t>(robots);
    std::vector<std::vector<int>> finals;
    int game = 1, turn = 1, throwK = 0;
    std::vector<int> total(n, 0), rowsWritten(n, 0);
    std::vector<std::array<bool, ROW_COUNT>> used(n);
    for (const std::string& l : lines(out)) {
        SCOPED_TRACE(l);
        const auto player = static_cast<size_t>((turn - 1) % robots);
        const std::string at = format("g=%d t=%d p=%zu ", game, turn, player);
        char dice[6] = "", held[6] = "";
        int id = 0, row = 0, cell = 0, sum = 0;
        if (l.rfind("throw ", 0) == 0) {
            std::sscanf(l.c_str(), "throw g=%*d t=%*d p=%*d k=%*d dice=%5[1-6] held=%5[01]", dice,
                        held);
            EXPECT_EQ(l, format("throw %sk=%d dice=%s held=%s", at.c_str(), ++throwK, dice, held));
            EXPECT_TRUE(std::is_sorted(dice, dice + 5)) << "analysed dice are sorted";
        } else if (l.rfind("sound ", 0) == 0) {
            std::sscanf(l.c_str(), "sound g=%*d t=%*d p=%*d id=%d", &id);
            EXPECT_EQ(l, format("sound %sid=%d", at.c_str(), id));
            EXPECT_TRUE(id >= 2401 && id <= 2407);
            EXPECT_TRUE(id >= 2402 && id <= 2404 ? throwSound : robotSound) << id;
        } else if (l.rfind("row ", 0) == 0) {
            std::sscanf(l.c_str(), "row g=%*d t=%*d p=%*d row=%d cell=%d total=%d", &row, &cell,
                        &sum);
            EXPECT_EQ(l, format("row %srow=%d cell=%d total=%d", at.c_str(), row, cell, sum));
            EXPECT_EQ(throwK, 3) << "three throws before every commit";
            if (row < 0 || row >= ROW_TOTAL || row == ROW_SUM || row == ROW_BONUS) {
                ADD_FAILURE() << "not a chosen row";
                break;
            }
            EXPECT_TRUE(cell == -1 || cell > 0);
            EXPECT_FALSE(used[player][static_cast<size_t>(row)]) << "row written twice";
            used[player][static_cast<size_t>(row)] = true;
            // The total grows by the cell, and by the bonus once.
            const int grown = sum - total[player], points = std::max(cell, 0);
            EXPECT_TRUE(grown == points || (row < ROW_SUM && grown == points + 50)) << grown;
            total[player] = sum;
            rowsWritten[player]++;
            throwK = 0;
            turn++;
        } else {
            std::string list;
            for (int t : total)
                list += (list.empty() ? "" : ",") + std::to_string(t);
            EXPECT_EQ(l, format("end g=%d totals=%s", game, list.c_str()));
            EXPECT_EQ(turn, 15 * robots + 1) << "15 turns each";
            EXPECT_EQ(rowsWritten, std::vector<int>(n, 15));
            finals.push_back(total);
            game++;
            turn = 1;
            total.assign(n, 0);
            used.assign(n, {});
            rowsWritten.assign(n, 0);
        }
        if (::testing::Test::HasFailure())
            break;
    }
    EXPECT_EQ(static_cast<int>(finals.size()), games);
    return finals;
}

// Without "--top-ten" the list is left alone; with it, it takes every total as the game would.
TEST_F(Sim, TraceFollowsTheContractForEveryPlayerCount) {
    const struct {
        int robots;
        const char* options;
        bool throwSound, robotSound;
    } runs[] = {{1, "", true, true},
                {3, "", true, true},
                {5, "", true, true},
                {2, "--throw-sound 0", false, true},
                {2, "--robot-sound 0 --alt-dice 0", true, false},
                {1, "--throw-sound 0 --robot-sound 0", false, false},
                {4, "--top-ten", true, true}};
    for (const auto& r : runs) {
        SCOPED_TRACE(::testing::Message() << r.robots << " " << r.options);
        SimRun run = sim("--robots " + std::to_string(r.robots) +
                         " --games 3 --time 1700000000 --trace " + r.options);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        std::vector<int> all;
        for (const auto& totals : checkTrace(run.out, r.robots, 3, r.throwSound, r.robotSound))
            all.insert(all.end(), totals.begin(), totals.end());
        if (!r.throwSound && !r.robotSound) {
            EXPECT_EQ(run.out.find("sound"), std::string::npos);
        }
        if (std::string(r.options) != "--top-ten") {
            EXPECT_FALSE(std::filesystem::exists("h_score"));
            continue;
        }
        std::sort(all.rbegin(), all.rend());
        topTen = TopTenList{};
        LoadTopTen();
        for (size_t i = 0; i < 10; i++) {
            EXPECT_EQ(topTen.entries[i].score, all[i]) << i;
        }
        EXPECT_EQ(topTen.entries[0].name[0], 'R');
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

TEST_F(Sim, SummaryReportsOverEverySheet) {
    SimRun run = sim("--robots 2 --games 50 --time 42");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto l = lines(run.out);
    ASSERT_EQ(l.size(), 5u) << run.out;
    EXPECT_EQ(l[0], "games: 50, robots: 2, sheets: 100");
    double bonus = -1, dyxel = -1;
    long speed = -1;
    std::sscanf(l[2].c_str(), "bonus: %lf", &bonus);
    std::sscanf(l[3].c_str(), "dyxel: %lf", &dyxel);
    std::sscanf(l[4].c_str(), "speed: %ld", &speed);
    EXPECT_EQ(l[2], format("bonus: %.2f%% of sheets", bonus));
    EXPECT_EQ(l[3], format("dyxel: %.2f%% of sheets", dyxel));
    EXPECT_EQ(l[4], format("speed: %ld games/s", speed));
    EXPECT_TRUE(bonus >= 0 && bonus <= 100 && dyxel >= 0 && dyxel <= 100 && speed >= 0);

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
    EXPECT_EQ(l[1], format("total: mean %.2f, min %d, max %d", sum / 100.0, lo, hi));
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
