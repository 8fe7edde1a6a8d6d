// Robot speed: one whole single-robot game (seeding included), and one robot turn.
#include "core/dice.h"
#include "core/hooks.h"
#include "core/random.h"
#include "core/scoring.h"
#include "core/turn.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "robot/robot.h"
#include "sound/sound.h"
#include "store/settings.h"
#include <benchmark/benchmark.h>

namespace {

Settings benchSettings;
DiceThrow benchDice;
uint32_t benchTime = 1700000000;

uint32_t nextTime() {
    return benchTime++;
}

// As the simulator runs it: defaults, no windows, the hand-over straight to the turn flow.
void setUpRobots(int32_t robots) {
    SetDefaultSettings(&benchSettings);
    settings = &benchSettings;
    gameState = GameState{};
    gameState.maxPlayers = MAX_SLOTS;
    gameState.dice = &benchDice;
    gameState.playerCount = robots;
    for (int32_t p = 0; p < robots; p++) {
        gameState.players[p].name[0] = 'R';
        gameState.players[p].name[1] = static_cast<char>('1' + p);
        gameState.players[p].isRobot = 1;
    }
    frontEnd = FrontEndHooks{};
    frontEnd.sendCommitRequest = completeTurn;
    services = GameServices{};
    services.robotTurn = robotTurn;
    services.robots[ROBOT_HEURISTIC] = heuristicRobot;
    InstallSoundCues();
    calendarTime = nextTime;
}

void BM_SingleRobotGame(benchmark::State& state) {
    setUpRobots(1);
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
    setUpRobots(1);
    frontEnd.sendCommitRequest = nullptr;
    resetGame(false);
    seedRandom();
    gameState.turnsLeft = TURNS_PER_PLAYER;
    for (auto _ : state) {
        resetThrow(benchDice);
        robotTurn(benchDice);
        if (--gameState.turnsLeft == 0) {
            resetGame(false);
            gameState.turnsLeft = TURNS_PER_PLAYER;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RobotTurn);

} // namespace

// A null platform, as in the simulator without its trace.
int ShowMessageBox(const char*, const char*, int, int, bool) {
    return MBOX_ANSWER_OK;
}
bool PlatformPlaySound(int32_t) {
    return true;
}

BENCHMARK_MAIN();
