// Robot speed: one whole single-robot game (seeding included), and one robot turn.
#include "bench/games.h"
#include "core/dice.h"
#include "core/random.h"
#include "core/scoring.h"
#include "core/turn.h"
#include "robot/robot.h"
#include <benchmark/benchmark.h>

namespace {

void BM_SingleRobotGame(benchmark::State& state) {
    SetUpRobotGames(1, false);
    int64_t totals = 0;
    for (auto _ : state) {
        resetGame(false);
        newGame();
        totals += gameState.players[0].cells[ROW_TOTAL];
    }
    benchmark::DoNotOptimize(totals);
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items = games");
}
BENCHMARK(BM_SingleRobotGame);

// One turn without the hand-over; the sheet starts afresh whenever it is full.
void BM_RobotTurn(benchmark::State& state) {
    SetUpRobotGames(1, false);
    frontEnd.sendCommitRequest = nullptr;
    resetGame(false);
    seedRandom();
    gameState.turnsLeft = TURNS_PER_PLAYER;
    for (auto _ : state) {
        resetThrow(*gameState.dice);
        robotTurn(*gameState.dice);
        if (--gameState.turnsLeft == 0) {
            resetGame(false);
            gameState.turnsLeft = TURNS_PER_PLAYER;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RobotTurn);

} // namespace

BENCHMARK_MAIN();
