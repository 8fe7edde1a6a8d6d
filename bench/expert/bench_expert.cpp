// The expert: the table on one and on two threads, its memory, and whole expert games.
#include "bench/games.h"
#include "core/turn.h"
#include "expert/expert.h"
#include "expert/table.h"
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// A line of /proc/self/status in megabytes ("VmRSS", "VmHWM"); 0 where there is none.
double statusMegabytes(const char* key) {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (f == nullptr)
        return 0;
    char line[256];
    double kb = 0;
    const size_t n = std::strlen(key);
    while (std::fgets(line, sizeof line, f) != nullptr)
        if (std::strncmp(line, key, n) == 0 && line[n] == ':')
            kb = std::atof(line + n + 1);
    std::fclose(f);
    return kb / 1024;
}

void BM_Table(benchmark::State& state) {
    const int32_t threads = static_cast<int32_t>(state.range(0));
    double empty = 0;
    for (auto _ : state) {
        std::unique_ptr<double[]> values(new double[EXPERT_TABLE_SIZE]());
        buildExpertTable(values.get(), threads);
        empty = values[0];
        state.counters["resident_MB"] = statusMegabytes("VmRSS");
    }
    state.counters["table_MB"] = EXPERT_TABLE_SIZE * sizeof(double) / 1048576.0;
    state.counters["empty_sheet"] = empty;
}
BENCHMARK(BM_Table)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// As the simulator runs it with --expert 1: one robot, no windows.
void BM_ExpertGame(benchmark::State& state) {
    SetUpRobotGames(1, true);
    startExpertTable(true);
    waitExpertTable();
    int64_t totals = 0;
    for (auto _ : state) {
        resetGame(false);
        newGame();
        totals += gameState.players[0].cells[ROW_TOTAL];
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items = games");
    state.counters["mean_total"] = static_cast<double>(totals) / state.iterations();
    state.counters["resident_MB"] = statusMegabytes("VmRSS");
}
BENCHMARK(BM_ExpertGame);

} // namespace

BENCHMARK_MAIN();
