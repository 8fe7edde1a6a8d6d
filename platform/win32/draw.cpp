// Drawing straight to the windows through GDI: a surface is a window's drawing context, taken
// for one operation and given back; pictures are bitmaps of the resources in memory contexts.
#include "platform/draw.h"
#include "platform/win32/w32platform.h"

struct Surface {
    HWND hwnd;
    HDC dc;
};

struct Picture {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

namespace {

COLORREF ToColorRef(Colour c) {
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

HGDIOBJ StockBrushObject(StockBrush brush) {
    switch (brush) {
    case BRUSH_WHITE:
        return GetStockObject(WHITE_BRUSH);
    case BRUSH_HOLLOW:
        return GetStockObject(HOLLOW_BRUSH);
    case BRUSH_BLACK:
        return GetStockObject(BLACK_BRUSH);
    case BRUSH_LIGHT_GREY:
        return GetStockObject(LTGRAY_BRUSH);
    }
    return GetStockObject(WHITE_BRUSH);
}

// The game draws with a handful of pens over and over: each is made once and kept until the
// platform stops, as the sheet's pens always were.
struct CachedPen {
    Pen pen;
    HPEN handle;
};
CachedPen pens[16];
int32_t penCount = 0;

HPEN PenHandle(const Pen& pen) {
    for (int32_t i = 0; i < penCount; i++)
        if (pens[i].pen.width == pen.width && pens[i].pen.colour == pen.colour)
            return pens[i].handle;
    HPEN handle = CreatePen(PS_SOLID, pen.width, ToColorRef(pen.colour));
    if (handle != nullptr && penCount < static_cast<int32_t>(sizeof pens / sizeof pens[0]))
        pens[penCount++] = CachedPen{pen, handle};
    return handle;
}

Surface* Acquire(HWND hwnd) {
    HDC dc = hwnd != nullptr ? GetDC(hwnd) : nullptr;
    // Without a window the drawing goes nowhere; the game still gets a valid handle.
    return new Surface{hwnd, dc};
}

bool Drawable(const Surface* s) {
    return s != nullptr && s->dc != nullptr;
}

} // namespace

void ReleaseDrawingObjects() {
    for (int32_t i = 0; i < penCount; i++)
        DeleteObject(pens[i].handle);
    penCount = 0;
}

Surface* AcquireRootSurface() {
    return Acquire(WindowHandle(WINDOW_ROOT));
}
Surface* AcquireDiceWindowSurface() {
    return Acquire(WindowHandle(WINDOW_DICE));
}
Surface* AcquireDieSurface(int32_t die) {
    const bool valid = die >= 0 && die < 5 && !win.rootGone;
    return Acquire(valid ? win.dieButtons[die] : nullptr);
}

void ReleaseSurface(Surface* s) {
    if (s == nullptr)
        return;
    if (s->dc != nullptr) {
        // Nothing the game selected may outlive the context.
        SelectObject(s->dc, GetStockObject(BLACK_PEN));
        SelectObject(s->dc, GetStockObject(WHITE_BRUSH));
        GdiFlush();
        ReleaseDC(s->hwnd, s->dc);
    }
    delete s;
}

void SelectPen(Surface* s, const Pen& pen) {
    if (!Drawable(s))
        return;
    if (HPEN handle = PenHandle(pen))
        SelectObject(s->dc, handle);
}
void SelectDefaultPen(Surface* s) {
    if (Drawable(s))
        SelectObject(s->dc, GetStockObject(BLACK_PEN));
}
void SelectBrush(Surface* s, StockBrush brush) {
    if (Drawable(s))
        SelectObject(s->dc, StockBrushObject(brush));
}
void SetTextColour(Surface* s, Colour colour) {
    if (Drawable(s))
        SetTextColor(s->dc, ToColorRef(colour));
}

void DrawRectangle(Surface* s, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (Drawable(s))
        Rectangle(s->dc, left, top, right, bottom);
}

void DrawLine(Surface* s, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    if (!Drawable(s))
        return;
    MoveToEx(s->dc, x0, y0, nullptr);
    LineTo(s->dc, x1, y1);
}

void FillRectangle(Surface* s, const Rect& r, StockBrush brush) {
    if (!Drawable(s) || brush == BRUSH_HOLLOW)
        return;
    const RECT rc{r.left, r.top, r.right, r.bottom};
    FillRect(s->dc, &rc, static_cast<HBRUSH>(StockBrushObject(brush)));
}

void FrameRectangle(Surface* s, const Rect& r, StockBrush brush) {
    if (!Drawable(s) || brush == BRUSH_HOLLOW)
        return;
    const RECT rc{r.left, r.top, r.right, r.bottom};
    FrameRect(s->dc, &rc, static_cast<HBRUSH>(StockBrushObject(brush)));
}

void DrawText(Surface* s, int32_t x, int32_t y, const char* text, int32_t length) {
    if (Drawable(s) && text != nullptr && length > 0)
        TextOutA(s->dc, x, y, text, length);
}

void CopyPicture(Surface* s, const Picture* p, int32_t x, int32_t y, int32_t width, int32_t height,
                 int32_t srcX, int32_t srcY) {
    if (Drawable(s) && p != nullptr)
        BitBlt(s->dc, x, y, width, height, p->dc, srcX, srcY, SRCCOPY);
}

void StretchPicture(Surface* s, const Picture* p, int32_t x, int32_t y, int32_t width,
                    int32_t height, int32_t srcX, int32_t srcY, int32_t srcWidth,
                    int32_t srcHeight) {
    if (!Drawable(s) || p == nullptr)
        return;
    // Whole pixels, nearest first: a shrunk die keeps its colours instead of darkening.
    SetStretchBltMode(s->dc, COLORONCOLOR);
    StretchBlt(s->dc, x, y, width, height, p->dc, srcX, srcY, srcWidth, srcHeight, SRCCOPY);
}

Picture* LoadPicture(int32_t resourceId) {
    auto bitmap = static_cast<HBITMAP>(
        LoadImageA(win.instance, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, 0));
    if (bitmap == nullptr)
        return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return new Picture{dc, bitmap, SelectObject(dc, bitmap)};
}

void FreePicture(Picture* p) {
    if (p == nullptr)
        return;
    SelectObject(p->dc, p->previous);
    DeleteDC(p->dc);
    DeleteObject(p->bitmap);
    delete p;
}

// The default font of a drawing context: the one the sheet is measured and drawn in.
void DefaultFontMetrics(int32_t* textHeight, int32_t* avgCharWidth) {
    TEXTMETRICA tm{};
    HDC screen = GetDC(nullptr);
    GetTextMetricsA(screen, &tm);
    ReleaseDC(nullptr, screen);
    if (textHeight != nullptr)
        *textHeight = tm.tmHeight;
    if (avgCharWidth != nullptr)
        *avgCharWidth = tm.tmAveCharWidth;
}

int32_t MeasureTextWidth(const char* text, int32_t length) {
    if (text == nullptr || length <= 0)
        return 0;
    HWND hwnd = win.dialog; // null: the screen's context, with the same default font
    HDC dc = GetDC(hwnd);
    SIZE size{};
    GetTextExtentPoint32A(dc, text, length, &size);
    ReleaseDC(hwnd, dc);
    return size.cx;
}
