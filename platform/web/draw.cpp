// Drawing surfaces over the page's canvases, with the Windows drawing rules the sheet was laid
// out for: exact pixel fills for outlines centred on the edges, lines without their end point,
// and opaque text in the game's font (DejaVu Sans 10 pt, shipped with the page).
#include "platform/draw.h"
#include "platform/web/webplatform.h"

namespace {

const Pen DEFAULT_PEN = {1, RgbColour(0, 0, 0)};

// The default GUI font of the Linux build under X, which the page's font reproduces: the sheet
// is laid out from these two figures, so the page and the Linux game look the same.
constexpr int32_t TEXT_HEIGHT = 17;
constexpr int32_t AVG_CHAR_WIDTH = 8;

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

bool drawable(const Surface* s) {
    return s != nullptr && s->canvas != CANVAS_NONE && !windows.rootGone;
}

void fill(const Surface* s, int32_t l, int32_t t, int32_t r, int32_t b, Colour c) {
    if (r > l && b > t)
        dyxel_fill(s->canvas, l, t, r, b, static_cast<int32_t>(c));
}

Surface* acquire(int32_t canvas) {
    return new Surface{canvas, DEFAULT_PEN, BRUSH_WHITE, RgbColour(0, 0, 0)};
}

} // namespace

Surface* AcquireRootSurface() {
    return acquire(windows.rootCreated ? CANVAS_ROOT : CANVAS_NONE);
}
Surface* AcquireDiceWindowSurface() {
    return acquire(windows.diceCreated ? CANVAS_DICE : CANVAS_NONE);
}
Surface* AcquireDieSurface(int32_t die) {
    const bool ok = windows.diceCreated && die >= 0 && die <= 4;
    return acquire(ok ? CANVAS_DIE_FIRST + die : CANVAS_NONE);
}

// A canvas shows what is drawn on it as soon as the browser gets its turn: nothing to push.
void ReleaseSurface(Surface* s) {
    delete s;
}

void SelectPen(Surface* s, const Pen& pen) {
    if (s != nullptr)
        s->pen = pen;
}
void SelectDefaultPen(Surface* s) {
    SelectPen(s, DEFAULT_PEN);
}
void SelectBrush(Surface* s, StockBrush brush) {
    if (s != nullptr)
        s->brush = brush;
}
void SetTextColour(Surface* s, Colour colour) {
    if (s != nullptr)
        s->textColour = colour;
}

void DrawRectangle(Surface* s, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (!drawable(s))
        return;
    Colour inside;
    if (brushColour(s->brush, &inside))
        fill(s, left, top, right, bottom, inside);
    if (right - left < 1 || bottom - top < 1)
        return;
    // The edges run along the outermost pixel rows and columns; a pen of width w covers w / 2
    // pixels above (left of) an edge and the rest below (right of) it, as a line does.
    const int32_t w = s->pen.width > 1 ? s->pen.width : 1;
    const int32_t out = w / 2, in = w - out;
    const int32_t l = left - out, t = top - out, r = right - 1 + in, b = bottom - 1 + in;
    const Colour c = s->pen.colour;
    fill(s, l, t, r, t + w, c);
    fill(s, l, b - w, r, b, c);
    fill(s, l, t, l + w, b, c);
    fill(s, r - w, t, r, b, c);
}

void DrawLine(Surface* s, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    if (!drawable(s) || (x0 == x1 && y0 == y1))
        return;
    const int32_t w = s->pen.width > 1 ? s->pen.width : 1;
    const int32_t out = w / 2;
    if (y0 == y1) {
        const int32_t l = x0 < x1 ? x0 : x1 + 1, r = x0 < x1 ? x1 : x0 + 1;
        fill(s, l, y0 - out, r, y0 - out + w, s->pen.colour);
    } else if (x0 == x1) {
        const int32_t t = y0 < y1 ? y0 : y1 + 1, b = y0 < y1 ? y1 : y0 + 1;
        fill(s, x0 - out, t, x0 - out + w, b, s->pen.colour);
    } else {
        dyxel_line(s->canvas, x0, y0, x1, y1, w, static_cast<int32_t>(s->pen.colour));
    }
}

void FillRectangle(Surface* s, const Rect& r, StockBrush brush) {
    Colour c;
    if (drawable(s) && brushColour(brush, &c))
        fill(s, r.left, r.top, r.right, r.bottom, c);
}

void FrameRectangle(Surface* s, const Rect& r, StockBrush brush) {
    Colour c;
    if (!drawable(s) || !brushColour(brush, &c) || r.right <= r.left || r.bottom <= r.top)
        return;
    fill(s, r.left, r.top, r.right, r.top + 1, c);
    fill(s, r.left, r.bottom - 1, r.right, r.bottom, c);
    fill(s, r.left, r.top, r.left + 1, r.bottom, c);
    fill(s, r.right - 1, r.top, r.right, r.bottom, c);
}

void DrawText(Surface* s, int32_t x, int32_t y, const char* text, int32_t length) {
    if (drawable(s) && text != nullptr && length > 0)
        dyxel_text(s->canvas, x, y, text, length, static_cast<int32_t>(s->textColour));
}

void DefaultFontMetrics(int32_t* textHeight, int32_t* avgCharWidth) {
    if (textHeight != nullptr)
        *textHeight = TEXT_HEIGHT;
    if (avgCharWidth != nullptr)
        *avgCharWidth = AVG_CHAR_WIDTH;
}

int32_t MeasureTextWidth(const char* text, int32_t length) {
    if (text == nullptr || length <= 0)
        return 0;
    return dyxel_measure(text, length);
}
