// The time of a full repaint of the root window into its backing bitmap (and out to the
// screen), with five filled sheets, the dice strip, the top-ten panel and the round panel.
// Needs a display: bench/startup/measure.sh runs it under its own Xvfb.
#include "core/game.h"
#include "core/hooks.h"
#include "platform/window.h"
#include "store/settings.h"
#include "ui/startup.h"
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

DiceThrow dice;

void FillGame() {
    const char* names[] = {"ABC", "R1", "\xc5sa", "Zed", "Bo"};
    gameState.playerCount = 5;
    for (int32_t p = 0; p < 5; p++) {
        std::snprintf(gameState.players[p].name, sizeof gameState.players[p].name, "%s", names[p]);
        for (int32_t r = 0; r < ROW_COUNT; r++)
            gameState.players[p].cells[r] = r % 5 == 4 ? -1 : 3 + r * 7 + p;
    }
    for (int32_t i = 0; i < 5; i++)
        dice.face[i] = i;
    gameState.dice = &dice;
    gameState.currentPlayer = 2;
    gameState.turnsLeft = 40;
    gameState.sheetVisible = 1;
    gameState.diceOnBoard = 1;
    gameState.topTenShown = 1;
}

// What the window system asks for after an uncover or a resize: everything.
void BM_FullRepaint(benchmark::State& state) {
    int32_t cw = 0, ch = 0;
    GetClientSize(WINDOW_ROOT, &cw, &ch);
    for (auto _ : state) {
        InvalidateArea(WINDOW_ROOT, Rect{0, 0, cw, ch});
        UpdateWindowNow(WINDOW_ROOT);
    }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

// What a new game asks for: the sheet with its fill, the strip, the list and the corner.
void BM_PaintAll(benchmark::State& state) {
    for (auto _ : state)
        RequestPaint(PAINT_ALL);
}
BENCHMARK(BM_PaintAll)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!PlatformStart())
        return 1;
    InstallFrontEnd();
    settings = LoadSettings();
    if (!CreateGameWindows())
        return 2;
    FillGame();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CloseRootWindow();
    PlatformStop();
    return 0;
}
