#include "ui/sheet.h"
#include "core/game.h"
#include "ui/names.h"
#include "ui/paint.h"
#include "ui/pointer.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>

SheetMetrics sheetMetrics;

Pen gridPen;
Pen markPen;
Pen framePen;
Pen erasePen;

void ComputeSheetMetrics(int32_t textHeight, int32_t avgCharWidth) {
    // A font reporting no size would leave the grid loops without a step.
    if (textHeight < 1)
        textHeight = 1;
    if (avgCharWidth < 1)
        avgCharWidth = 1;
    SheetMetrics& m = sheetMetrics;
    m.textHeight = textHeight;
    m.avgCharWidth = avgCharWidth;
    m.rowHeight = static_cast<int32_t>(1.2 * textHeight);
    m.colWidth = static_cast<int32_t>(5.0 * avgCharWidth);
    m.lineWidth = 1;
    m.margin = 2 * m.lineWidth;
    m.frameWidth = 4 * m.lineWidth;
}

void CreateSheetPens() {
    gridPen = Pen{sheetMetrics.lineWidth, RgbColour(10, 10, 10)};
    markPen = Pen{sheetMetrics.margin, RgbColour(128, 0, 128)};
    framePen = Pen{sheetMetrics.frameWidth, RgbColour(180, 40, 180)};
    erasePen = Pen{sheetMetrics.margin, RgbColour(255, 255, 255)};
}

void DeleteSheetPens() {
    gridPen = Pen{};
    markPen = Pen{};
    framePen = Pen{};
    erasePen = Pen{};
}

Rect SheetArea() {
    const int32_t W = sheetMetrics.colWidth, H = sheetMetrics.rowHeight, M = sheetMetrics.margin;
    return Rect{W / 2, M, W / 2 + 7 * W + M, 19 * H + M};
}

Point CellOrigin(int32_t column, int32_t row) {
    const int32_t W = sheetMetrics.colWidth, H = sheetMetrics.rowHeight;
    const int32_t L = sheetMetrics.lineWidth;
    return Point{W * column + W / 2 + 2 * W, row * H + H + L + row * (L / 2)};
}

void OutlineCell(Surface* s, int32_t column, int32_t row) {
    const Point o = CellOrigin(column, row);
    const int32_t W = sheetMetrics.colWidth, H = sheetMetrics.rowHeight;
    const int32_t L = sheetMetrics.lineWidth, M = sheetMetrics.margin;
    DrawRectangle(s, o.x + M + L, o.y + M + L, o.x + W - L, o.y + H - L);
}

void EraseCell(Surface* s, int32_t column, int32_t row) {
    SelectBrush(s, BRUSH_WHITE);
    SelectPen(s, erasePen);
    OutlineCell(s, column, row);
}

void EraseCellWithSums(Surface* s, int32_t column, int32_t row) {
    EraseCell(s, column, row);
    EraseCell(s, column, ROW_SUM);
    EraseCell(s, column, ROW_TOTAL);
}

static Colour inkColour(int32_t ink) {
    switch (ink) {
    case INK_PREVIEW_ZERO:
        return RgbColour(220, 0, 0);
    case INK_OTHER:
        return RgbColour(120, 120, 120);
    default: // INK_PREVIEW and INK_CURRENT are both black
        return RgbColour(0, 0, 0);
    }
}

void DrawScoreCell(Surface* s, int32_t value, int32_t column, int32_t row, int32_t ink) {
    SelectPen(s, markPen);
    SelectBrush(s, BRUSH_HOLLOW);
    SetTextColour(s, inkColour(ink));
    char text[16];
    if (value < 0)
        std::snprintf(text, sizeof text, "=#=");
    else
        std::snprintf(text, sizeof text, "%3d", value);
    const Point o = CellOrigin(column, row);
    // Text is drawn opaque: one wider than the cell (DejaVu's "=#=") would wipe out the next
    // column's line, so it moves left just enough to end inside its own cell.
    int32_t x = o.x + sheetMetrics.avgCharWidth;
    const int32_t end = o.x + sheetMetrics.colWidth - sheetMetrics.lineWidth;
    const int32_t width = MeasureTextWidth(text, 3);
    if (x + width > end)
        x = std::max(o.x + sheetMetrics.lineWidth, end - width);
    DrawText(s, x, o.y + sheetMetrics.textHeight / 8, text, 3);
}

void FillSheet(Surface* s) {
    SelectBrush(s, BRUSH_WHITE);
    SelectDefaultPen(s);
    const Rect a = SheetArea();
    DrawRectangle(s, a.left, a.top, a.right, a.bottom);
}

void DrawSheetGrid(Surface* s) {
    const int32_t W = sheetMetrics.colWidth, H = sheetMetrics.rowHeight;
    const int32_t L = sheetMetrics.lineWidth, M = sheetMetrics.margin;
    const int32_t left = W / 2, right = W / 2 + 7 * W + M;
    SelectPen(s, gridPen);
    int32_t label = 0;
    for (int32_t y = H + M / 2; y < 19 * H && label < ROW_COUNT; y += H + L / 2, label++) {
        DrawText(s, left + 8, y + 4, ROW_LABELS[label], 6);
        DrawLine(s, left, y, right, y);
    }
    for (int32_t x = left + 2 * W; x < right; x += W)
        DrawLine(s, x, M, x, 19 * H + M);
    for (int32_t rows : {1, 7, 9, 18})
        DrawLine(s, left, rows * H + M, left + 7 * W, rows * H + M);
}

void DrawPlayerName(Surface* s, int32_t player, bool current) {
    if (player < 0 || player >= MAX_SLOTS)
        return;
    SetTextColour(s, current ? RgbColour(10, 150, 10) : RgbColour(120, 120, 120));
    char name[4];
    const int32_t length = ShowableName(gameState.players[player].name, 3, name);
    DrawText(s, CellOrigin(player, 0).x + 4, 2 * sheetMetrics.margin, name, length);
}

void DrawSheetValues(Surface* s) {
    for (int32_t p = 0; p < gameState.playerCount && p < MAX_SLOTS; p++) {
        const bool current = p == gameState.currentPlayer && gameState.turnsLeft > 0;
        DrawPlayerName(s, p, current);
        for (int32_t r = 0; r < ROW_COUNT; r++) {
            const int32_t value = gameState.players[p].cells[r];
            if (value != 0)
                DrawScoreCell(s, value, p, r, current ? INK_CURRENT : INK_OTHER);
        }
    }
}

void DrawSheet(bool fill) {
    Surface* s = AcquireRootSurface();
    if (fill) {
        FillSheet(s);
        // The white fill takes away any preview of an earlier game.
        previewShown = 0;
    }
    DrawSheetGrid(s);
    const int32_t W = sheetMetrics.colWidth, H = sheetMetrics.rowHeight;
    const int32_t L = sheetMetrics.lineWidth, M = sheetMetrics.margin;
    SelectPen(s, framePen);
    SelectBrush(s, BRUSH_HOLLOW);
    DrawRectangle(s, W / 2, M, W / 2 + 7 * W + M + L, 19 * H + M + L);
    DrawSheetValues(s);
    ReleaseSurface(s);
    sheetDirty = 0;
    sheetFillPending = 0;
}
