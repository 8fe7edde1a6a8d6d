#include "ui/dice_window.h"
#include "core/dice.h"
#include "core/game.h"
#include "core/turn.h"
#include "platform/draw.h"
#include "platform/menu.h"
#include "platform/window.h"
#include "review/review.h"
#include "ui/hint.h"
#include "ui/names.h"
#include "ui/paint.h"
#include "ui/sheet.h"
#include "ui/topten_panel.h"
#include <cstdio>
#include <cstring>

int32_t diceWindowShown;

static bool validDie(int32_t die) {
    return die >= 0 && die < 5 && gameState.dice != nullptr;
}

void DrawDie(int32_t die) {
    if (!validDie(die))
        return;
    const DiceThrow& dice = *gameState.dice;
    int32_t face = dice.face[die];
    if (face < 0 || face > 5)
        face = 0;
    const Picture* picture = facePictures[face + (dice.held[die] != 0 ? 6 : 0)];
    Surface* s = AcquireDieSurface(die);
    if (picture != nullptr)
        CopyPicture(s, picture, 0, 0, 64, 64, 0, 0);
    else
        FillRectangle(s, Rect{0, 0, 64, 64}, BRUSH_WHITE); // a missing face shows a blank die
    ReleaseSurface(s);
}

// After a change of holds: every die as it is now, then whatever the root window has pending.
static void showHolds() {
    ActivateWindow(WINDOW_DICE);
    for (int32_t i = 0; i < 5; i++)
        DrawDie(i);
    UpdateWindowNow(WINDOW_ROOT);
}

void PaintDiceWindow() {
    ValidateWindow(WINDOW_DICE);
    int32_t cw = 0, ch = 0;
    GetClientSize(WINDOW_DICE, &cw, &ch);
    for (int32_t i = 0; i < 5; i++)
        DrawDie(i);
    Surface* s = AcquireDiceWindowSurface();
    FillRectangle(s, Rect{0, ch - 24, cw, ch}, BRUSH_LIGHT_GREY);
    ReleaseSurface(s);
}

void ShowDiceWindow() {
    SetDiceTitle(gameState.currentPlayer, gameState.throwsLeft);
    ShowWindowNow(WINDOW_DICE);
    diceWindowShown = 1;
    UpdateWindowNow(WINDOW_DICE);
    ActivateWindow(WINDOW_DICE);
}

void SetDiceTitle(int32_t player, int32_t count, const char* hint) {
    if (player < 0 || player >= MAX_SLOTS)
        return;
    char name[4];
    ShowableName(gameState.players[player].name, 3, name);
    char title[80];
    const int n = std::snprintf(title, sizeof title, "Spelare: %s   Kvar: %d", name, count);
    if (hint != nullptr)
        std::snprintf(title + n, sizeof title - static_cast<size_t>(n), "   Tips: %s", hint);
    SetWindowTitle(WINDOW_DICE, title);
}

void PressDie(int32_t die) {
    if (!validDie(die))
        return;
    toggleHold(*gameState.dice, die);
    showHolds();
}

void SetHolds(const int32_t held[5]) {
    if (gameState.dice == nullptr)
        return;
    setHolds(*gameState.dice, held);
    showHolds();
}

void RedrawDice() {
    int32_t cw = 0, ch = 0;
    GetClientSize(WINDOW_DICE, &cw, &ch);
    InvalidateArea(WINDOW_DICE, Rect{0, 0, cw, ch});
    UpdateWindowNow(WINDOW_DICE);
}

void AlikeModeOff() {
    holdAlikeMode = 0;
    SetDiceCommandHighlight(IDM_ALIKE, false);
}

void HideDiceWindow() {
    HideWindow(WINDOW_DICE);
    diceWindowShown = 0;
    ActivateWindow(WINDOW_ROOT);
    UncoverRootArea();
}

static bool overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void UncoverRootArea() {
    Rect dice{};
    if (!GetWindowRectInRoot(WINDOW_DICE, &dice))
        return;
    int32_t cw = 0, ch = 0;
    GetClientSize(WINDOW_ROOT, &cw, &ch);
    Rect r{};
    r.left = dice.left >= 0 && dice.left <= cw ? dice.left : 0;
    r.top = dice.top >= 0 && dice.top <= ch ? dice.top : 0;
    r.right = dice.right >= 0 && dice.right <= cw ? dice.right : cw;
    r.bottom = dice.bottom >= 0 && dice.bottom <= ch ? dice.bottom : ch;
    const int32_t W = sheetMetrics.colWidth, H = sheetMetrics.rowHeight, M = sheetMetrics.margin;
    const int32_t sheetRight = W / 2 + 7 * W + M, sheetBottom = 19 * H + M;
    if (r.left < sheetRight)
        r.left = sheetRight;
    if (r.bottom > sheetBottom)
        r.bottom = sheetBottom;
    // Wholly right of the client area or wholly below the sheet: nothing of ours was covered.
    if (r.left >= r.right || r.top >= r.bottom)
        return;
    RestoreBackground(r);
    // The background must not leave a hole in a top-ten panel that is on show.
    if (gameState.topTenShown != 0 && overlaps(r, TopTenRect()))
        DrawTopTen();
}

void ToggleAlike() {
    toggleAlike(*gameState.dice);
    SetDiceCommandHighlight(IDM_ALIKE, holdAlikeMode == 1);
    showHolds();
}

void HoldAllDice() {
    holdAllDice(*gameState.dice);
    showHolds();
}

void ReleaseAllDice() {
    releaseAllDice(*gameState.dice);
    SetDiceCommandHighlight(IDM_ALIKE, false);
    showHolds();
}

// The dice to keep held, and the expected total in the title after the count.
static void showHint() {
    ExpertAdvice advice{};
    double winChance = -1;
    if (diceWindowShown == 0 || gameState.throwsLeft == 0 || !CurrentAdvice(&advice, &winChance))
        return;
    // The advised dice stand as they are: hold-alike mode would hold others besides.
    AlikeModeOff();
    SetHolds(advice.hold);
    char hint[48];
    FormatHint(advice.expectedTotal, winChance, hint);
    SetDiceTitle(gameState.currentPlayer, gameState.throwsLeft, hint);
}

bool OnDiceCommand(int32_t commandId) {
    // A command left over from an abandoned game must not throw or finish anything.
    const bool playing = gameState.turnsLeft > 0 && gameState.dice != nullptr;
    switch (commandId) {
    case IDM_THROW:
        if (playing) {
            recordThrowAgain();
            throwAgain();
        }
        return true;
    case IDM_ALIKE:
        if (playing)
            ToggleAlike();
        return true;
    case IDM_HOLD_ALL:
        if (playing)
            HoldAllDice();
        return true;
    case IDM_RELEASE_ALL:
        if (playing)
            ReleaseAllDice();
        return true;
    case IDM_TIPS:
        if (playing)
            showHint();
        return true;
    case IDM_DONE:
        if (playing) {
            recordDone();
            gameState.throwsLeft = 0;
            finishThrowing();
        }
        return true;
    default:
        return false;
    }
}

void OnDiceKey(int32_t key) {
    // Keys 1 to 5 press a die as a click on it would.
    if (key >= '1' && key <= '5' && gameState.turnsLeft > 0 && diceWindowShown != 0)
        PressDie(key - '1');
    else if (key == 'h' && gameState.turnsLeft > 0)
        showHint();
}
