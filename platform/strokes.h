// Drawing by exact pixel fills, for the platforms whose own pen would blur a one-pixel line over
// two rows: platform/paint.cpp keeps the pen, brush and text colour and draws rectangles, lines
// and frames by the Windows rules the sheet was laid out for, over the three calls below that
// each such platform gives.
#pragma once
#include "platform/draw.h"

// What a freshly acquired surface draws with. Such a platform's Surface derives from it.
struct PaintState {
    Pen pen = {1, RgbColour(0, 0, 0)};
    StockBrush brush = BRUSH_WHITE;
    Colour textColour = RgbColour(0, 0, 0);
};

// The surface's state; null for a null surface or one that draws nowhere.
PaintState* PaintStateOf(Surface* s);
// Fills the pixels of `r` exactly, clipped to the surface; none for an empty `r`. Only called for
// a surface with a state.
void FillPixels(Surface* s, const Rect& r, Colour c);
// A line that runs neither across nor down, without its end point.
void DrawSlantedLine(Surface* s, int32_t x0, int32_t y0, int32_t x1, int32_t y1, const Pen& pen);
