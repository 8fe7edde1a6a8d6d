// The champion: whole games against experts, their time and the slowest decision (a decision's
// heavy part comes at a turn's first plan). The win share itself is measured with dyxel-sim
// --players over many more deals (docs/architecture.md).
#include "bench/games.h"
#include "champion/champion.h"
#include "core/hooks.h"
#include "core/turn.h"
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

RobotStrategy champion;
double slowest;

// The thread's own processor time: one core's worth, whatever else the machine runs.
double threadMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

template <typename Call> auto timed(Call call) {
    const double start = threadMilliseconds();
    auto result = call();
    const double took = threadMilliseconds() - start;
    slowest = took > slowest ? took : slowest;
    return result;
}

void timedPlan(DiceThrow& d, int32_t k) {
    timed([&] { return (champion.plan(d, k), 0); });
}
int32_t timedRow(DiceThrow& d) {
    return timed([&] { return champion.chooseRow(d); });
}

// Seat 0 the champion, the others experts, as dyxel-sim --players champion,expert,...
void BM_ChampionGame(benchmark::State& state) {
    const int32_t players = static_cast<int32_t>(state.range(0));
    SetUpRobotGames(players, true);
    prepareChampion();
    champion = services.robots[ROBOT_CHAMPION];
    services.robots[ROBOT_CHAMPION] = RobotStrategy{timedPlan, timedRow};
    for (int32_t p = 0; p < MAX_SLOTS; p++)
        seatRobotKind[p] = p == 0 ? ROBOT_CHAMPION : ROBOT_EXPERT;
    slowest = 0;
    double wins = 0;
    for (auto _ : state) {
        resetGame(false);
        newGame();
        int32_t best = 0, tied = 0;
        for (int32_t p = 0; p < players; p++)
            best = std::max(best, gameState.players[p].cells[ROW_TOTAL]);
        for (int32_t p = 0; p < players; p++)
            tied += gameState.players[p].cells[ROW_TOTAL] == best;
        wins += gameState.players[0].cells[ROW_TOTAL] == best ? 1.0 / tied : 0.0;
    }
    for (int32_t& k : seatRobotKind)
        k = -1;
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items = games");
    state.counters["slowest_decision_ms"] = slowest;
    state.counters["win_share"] = wins / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ChampionGame)->Arg(2)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond)->MinTime(60);

} // namespace

BENCHMARK_MAIN();
