// Drawing surfaces over the page's canvases, with the Windows drawing rules the sheet was laid
// out for: exact pixel fills for outlines centred on the edges, lines without their end point,
// and opaque text in the game's font (DejaVu Sans 10 pt, shipped with the page).
#include "platform/draw.h"
#include "platform/strokes.h"
#include "platform/web/webplatform.h"

namespace {

// The default GUI font of the Linux build under X, which the page's font reproduces: the sheet
// is laid out from these two figures, so the page and the Linux game look the same.
constexpr int32_t TEXT_HEIGHT = 17;
constexpr int32_t AVG_CHAR_WIDTH = 8;

bool drawable(const Surface* s) {
    return s != nullptr && s->canvas != CANVAS_NONE && !windows.rootGone;
}

Surface* acquire(int32_t canvas) {
    return new Surface{{}, canvas};
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

PaintState* PaintStateOf(Surface* s) {
    return drawable(s) ? s : nullptr;
}

void FillPixels(Surface* s, const Rect& r, Colour c) {
    if (r.right > r.left && r.bottom > r.top)
        dyxel_fill(s->canvas, r.left, r.top, r.right, r.bottom, static_cast<int32_t>(c));
}

void DrawSlantedLine(Surface* s, int32_t x0, int32_t y0, int32_t x1, int32_t y1, const Pen& pen) {
    dyxel_line(s->canvas, x0, y0, x1, y1, pen.width, static_cast<int32_t>(pen.colour));
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
