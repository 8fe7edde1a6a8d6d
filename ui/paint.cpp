#include "ui/paint.h"
#include "core/game.h"
#include "core/hooks.h"
#include "platform/window.h"
#include "ui/names.h"
#include "ui/sheet.h"
#include "ui/topten_panel.h"
#include <cstdio>
#include <cstring>

int32_t sheetDirty;
int32_t sheetFillPending;
int32_t diceStripDirty;
int32_t topTenDirty;
int32_t cornerBoxDirty;
int32_t paintBatch;

Picture* facePictures[12];
Picture* logoPicture;
Picture* backgroundPicture;

Rect PaintRequestArea(int32_t request) {
    const int32_t W = sheetMetrics.colWidth, H = sheetMetrics.rowHeight, M = sheetMetrics.margin;
    switch (request) {
    case PAINT_SHEET:
        return Rect{W / 2, 0, W / 2 + 7 * W + M, 19 * H + M};
    case PAINT_DICE_STRIP:
        return Rect{W / 2, 19 * H + M, W / 2 + 7 * W + 2 * M, 19 * H + M + 64};
    case PAINT_TOP_TEN:
        return TopTenRect();
    case PAINT_CORNER_BOX: {
        int32_t cw = 0, ch = 0;
        GetClientSize(WINDOW_ROOT, &cw, &ch);
        return Rect{cw - LOGO_WIDTH, ch - LOGO_HEIGHT, cw - M, ch - M};
    }
    default:
        return Rect{0, 0, 0, 0};
    }
}

static int32_t* requestFlag(int32_t request) {
    switch (request) {
    case PAINT_SHEET:
        return &sheetDirty;
    case PAINT_DICE_STRIP:
        return &diceStripDirty;
    case PAINT_TOP_TEN:
        return &topTenDirty;
    case PAINT_CORNER_BOX:
        return &cornerBoxDirty;
    default:
        return nullptr;
    }
}

void RootPaintRequest(int32_t request) {
    if (request == PAINT_ALL) { // the four areas, then one paint
        paintBatch = 1;
        UpdateWindowNow(WINDOW_ROOT);
        sheetFillPending = 1;
        for (int32_t r = PAINT_SHEET; r <= PAINT_CORNER_BOX; r++)
            RootPaintRequest(r);
        paintBatch = 0;
    } else {
        int32_t* flag = requestFlag(request);
        if (flag == nullptr)
            return;
        InvalidateArea(WINDOW_ROOT, PaintRequestArea(request));
        *flag = 1;
    }
    if (paintBatch == 0)
        UpdateWindowNow(WINDOW_ROOT);
}

void PaintRootWindow() {
    Rect u{};
    if (!GetUpdateBounds(WINDOW_ROOT, &u) || u.left >= u.right || u.top >= u.bottom)
        return;
    ValidateWindow(WINDOW_ROOT);
    const bool showLogo = gameState.turnsLeft == 0;
    if (sheetDirty == 0 && sheetFillPending == 0 && cornerBoxDirty == 0 && diceStripDirty == 0) {
        // Asked for by the window system (or by the top-ten panel alone): everything.
        RestoreBackground(u);
        if (gameState.sheetVisible != 0)
            DrawSheet(true);
        DrawDiceStrip(gameState.diceOnBoard != 0);
        if (gameState.topTenShown != 0)
            DrawTopTen();
        DrawCornerBox(showLogo);
    }
    if (gameState.sheetVisible != 0 && sheetDirty != 0)
        DrawSheet(sheetFillPending != 0);
    else if (gameState.sheetVisible == 0)
        sheetDirty = sheetFillPending = 0; // left set, they would block every full repaint
    if (diceStripDirty != 0)
        DrawDiceStrip(gameState.diceOnBoard != 0);
    if (topTenDirty != 0 && gameState.topTenShown != 0)
        DrawTopTen();
    if (cornerBoxDirty != 0)
        DrawCornerBox(showLogo);
}

void RestoreBackground(const Rect& r) {
    int32_t cw = 0, ch = 0;
    GetClientSize(WINDOW_ROOT, &cw, &ch);
    // A zero-sized client area has no scale: nothing to draw.
    if (cw > 0 && ch > 0 && backgroundPicture != nullptr) {
        const float sx = static_cast<float>(cw) / 300.0f;
        const float sy = static_cast<float>(ch) / 450.0f;
        const auto srcLeft = static_cast<int32_t>(static_cast<float>(r.left) / sx);
        const auto srcTop = static_cast<int32_t>(static_cast<float>(r.top) / sy);
        const auto srcWidth = static_cast<int32_t>(static_cast<float>(r.right - r.left) / sx);
        const auto srcHeight = static_cast<int32_t>(static_cast<float>(r.bottom - r.top) / sy);
        Surface* s = AcquireRootSurface();
        StretchPicture(s, backgroundPicture, r.left, r.top, r.right - r.left, r.bottom - r.top,
                       srcLeft, srcTop, srcWidth, srcHeight);
        ReleaseSurface(s);
    }
    ValidateWindow(WINDOW_ROOT);
}

int32_t DiceStripSide() {
    return (7 * sheetMetrics.colWidth + 3 * sheetMetrics.margin) / 5;
}

void DrawDiceStrip(bool showDice) {
    const int32_t W = sheetMetrics.colWidth, H = sheetMetrics.rowHeight, M = sheetMetrics.margin;
    const int32_t side = DiceStripSide();
    const int32_t left = W / 2 + M, top = 19 * H + 2 * M;
    if (showDice && gameState.dice != nullptr) {
        Surface* s = AcquireRootSurface();
        for (int32_t i = 0; i < 5; i++) {
            int32_t face = gameState.dice->face[i];
            if (face < 0 || face > 5)
                face = 0;
            if (facePictures[face] != nullptr)
                StretchPicture(s, facePictures[face], left + i * side, top, side, side, 0, 0, 64,
                               64);
        }
        ReleaseSurface(s);
    } else {
        RestoreBackground(Rect{left, top, left + 5 * side, top + 64});
    }
    diceStripDirty = 0;
}

void DrawCornerBox(bool showLogo) {
    int32_t cw = 0, ch = 0;
    GetClientSize(WINDOW_ROOT, &cw, &ch);
    const int32_t M = sheetMetrics.margin;
    Surface* s = AcquireRootSurface();
    if (showLogo) {
        if (logoPicture != nullptr)
            CopyPicture(s, logoPicture, cw - LOGO_WIDTH, ch - LOGO_HEIGHT, LOGO_WIDTH, LOGO_HEIGHT,
                        0, 0);
    } else {
        const int32_t left = cw - LOGO_WIDTH;
        const auto top = static_cast<int32_t>(ch - 52.8);
        SelectBrush(s, BRUSH_WHITE);
        SelectDefaultPen(s);
        DrawRectangle(s, left, top, cw - M, ch - M);
        const int32_t p = gameState.currentPlayer;
        if (p >= 0 && p < MAX_SLOTS) {
            char name[4];
            const int32_t n = ShowableName(gameState.players[p].name, 3, name);
            SetTextColour(s, RgbColour(200, 10, 50));
            DrawText(s, left + M, top + M, name, n);
        }
        char round[32];
        const int n = std::snprintf(round, sizeof round, "Omg\xe5ng: %d", roundNumber());
        SetTextColour(s, RgbColour(0, 0, 0));
        DrawText(s, left + M, top + sheetMetrics.textHeight + M, round, n);
    }
    ReleaseSurface(s);
    cornerBoxDirty = 0;
}
