// The score sheet: its metrics, pens, cell primitives and the drawing of the whole sheet.
#pragma once
#include "platform/draw.h"
#include <cstdint>

struct SheetMetrics {
    int32_t textHeight;
    int32_t avgCharWidth;
    int32_t rowHeight; // H
    int32_t colWidth;  // W
    int32_t lineWidth; // L
    int32_t margin;    // M
    int32_t frameWidth;
};

extern SheetMetrics sheetMetrics;

// Fills sheetMetrics from a font's height and average character width.
void ComputeSheetMetrics(int32_t textHeight, int32_t avgCharWidth);

enum CellInk : int32_t {
    INK_PREVIEW = 0,
    INK_PREVIEW_ZERO = 1,
    INK_OTHER = 2,
    INK_CURRENT = 3,
};

extern Pen gridPen;
extern Pen markPen;
extern Pen framePen;
extern Pen erasePen;

void CreateSheetPens();
void DeleteSheetPens();

struct Point {
    int32_t x, y;
};

// The sheet area (W/2, M, W/2 + 7W + M, 19H + M).
Rect SheetArea();
Point CellOrigin(int32_t column, int32_t row);
void OutlineCell(Surface* s, int32_t column, int32_t row);
void EraseCell(Surface* s, int32_t column, int32_t row);
void EraseCellWithSums(Surface* s, int32_t column, int32_t row);
void DrawScoreCell(Surface* s, int32_t value, int32_t column, int32_t row, int32_t ink);
void FillSheet(Surface* s);
void DrawSheetGrid(Surface* s);
void DrawPlayerName(Surface* s, int32_t player, bool current);
void DrawSheetValues(Surface* s);
void DrawSheet(bool fill);
