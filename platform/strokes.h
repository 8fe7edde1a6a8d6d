// Where a Windows pen puts its pixels, for the platforms that fill them exactly themselves: a
// toolkit's own pen would blur a one-pixel line over two rows.
#pragma once
#include "platform/draw.h"

// What a freshly acquired surface draws with. A platform whose Surface starts with this state
// (derives from it) gets SelectPen, SelectDefaultPen, SelectBrush and SetTextColour from
// platform/paint.cpp, and says how to find the state with PaintStateOf.
struct PaintState {
    Pen pen = {1, RgbColour(0, 0, 0)};
    StockBrush brush = BRUSH_WHITE;
    Colour textColour = RgbColour(0, 0, 0);
};
PaintState* PaintStateOf(Surface* s); // null for a null surface

// The outline of (left, top, right, bottom) along its outermost pixel rows and columns, as four
// bands, for a pen of `width` (at least 1): width / 2 pixels outside each edge, the rest inside.
// False for an empty rectangle. A frame one pixel wide is the outline of width 1.
inline bool OutlineBands(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t width,
                         Rect bands[4]) {
    if (right - left < 1 || bottom - top < 1)
        return false;
    const int32_t w = width > 1 ? width : 1, out = w / 2, in = w - out;
    const int32_t l = left - out, t = top - out, r = right - 1 + in, b = bottom - 1 + in;
    bands[0] = Rect{l, t, r, t + w};
    bands[1] = Rect{l, b - w, r, b};
    bands[2] = Rect{l, t, l + w, b};
    bands[3] = Rect{r - w, t, r, b};
    return true;
}

// A horizontal or vertical line without its end point, spread across as the outline is. False
// for a point or any other line.
inline bool LineBand(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t width, Rect* band) {
    const int32_t w = width > 1 ? width : 1, out = w / 2;
    if (y0 == y1 && x0 != x1)
        *band = Rect{x0 < x1 ? x0 : x1 + 1, y0 - out, x0 < x1 ? x1 : x0 + 1, y0 - out + w};
    else if (x0 == x1 && y0 != y1)
        *band = Rect{x0 - out, y0 < y1 ? y0 : y1 + 1, x0 - out + w, y0 < y1 ? y1 : y0 + 1};
    else
        return false;
    return true;
}
