// The Windows drawing rules by exact pixel fills: outlines centred on the edges (a wide pen puts
// width / 2 pixels outside), lines without their end point, frames one pixel wide inside.
#include "platform/strokes.h"

namespace {

bool brushColour(StockBrush brush, Colour* out) {
    switch (brush) {
    case BRUSH_WHITE:
        *out = RgbColour(255, 255, 255);
        return true;
    case BRUSH_BLACK:
        *out = RgbColour(0, 0, 0);
        return true;
    case BRUSH_LIGHT_GREY:
        *out = RgbColour(192, 192, 192);
        return true;
    case BRUSH_HOLLOW:
        break;
    }
    return false;
}

// The outline of (left, top, right, bottom) for a pen of `width`, as four bands along its
// outermost pixel rows and columns.
void outline(Surface* s, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t width,
             Colour c) {
    if (right - left < 1 || bottom - top < 1)
        return;
    const int32_t w = width > 1 ? width : 1, out = w / 2, in = w - out;
    const int32_t l = left - out, t = top - out, r = right - 1 + in, b = bottom - 1 + in;
    FillPixels(s, Rect{l, t, r, t + w}, c);
    FillPixels(s, Rect{l, b - w, r, b}, c);
    FillPixels(s, Rect{l, t, l + w, b}, c);
    FillPixels(s, Rect{r - w, t, r, b}, c);
}

} // namespace

void SelectPen(Surface* s, const Pen& pen) {
    if (PaintState* state = PaintStateOf(s))
        state->pen = pen;
}
void SelectDefaultPen(Surface* s) {
    SelectPen(s, PaintState{}.pen);
}
void SelectBrush(Surface* s, StockBrush brush) {
    if (PaintState* state = PaintStateOf(s))
        state->brush = brush;
}
void SetTextColour(Surface* s, Colour colour) {
    if (PaintState* state = PaintStateOf(s))
        state->textColour = colour;
}

void DrawRectangle(Surface* s, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const PaintState* state = PaintStateOf(s);
    Colour inside;
    if (state == nullptr)
        return;
    if (brushColour(state->brush, &inside))
        FillPixels(s, Rect{left, top, right, bottom}, inside);
    outline(s, left, top, right, bottom, state->pen.width, state->pen.colour);
}

// A line across or down is spread over the pen's width as the outline is.
void DrawLine(Surface* s, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    const PaintState* state = PaintStateOf(s);
    if (state == nullptr || (x0 == x1 && y0 == y1))
        return;
    const int32_t w = state->pen.width > 1 ? state->pen.width : 1, out = w / 2;
    const Colour c = state->pen.colour;
    if (y0 == y1)
        FillPixels(s, Rect{x0 < x1 ? x0 : x1 + 1, y0 - out, x0 < x1 ? x1 : x0 + 1, y0 - out + w},
                   c);
    else if (x0 == x1)
        FillPixels(s, Rect{x0 - out, y0 < y1 ? y0 : y1 + 1, x0 - out + w, y0 < y1 ? y1 : y0 + 1},
                   c);
    else
        DrawSlantedLine(s, x0, y0, x1, y1, Pen{w, c});
}

void FillRectangle(Surface* s, const Rect& r, StockBrush brush) {
    Colour c;
    if (PaintStateOf(s) != nullptr && brushColour(brush, &c))
        FillPixels(s, r, c);
}

void FrameRectangle(Surface* s, const Rect& r, StockBrush brush) {
    Colour c;
    if (PaintStateOf(s) != nullptr && brushColour(brush, &c))
        outline(s, r.left, r.top, r.right, r.bottom, 1, c);
}
