// Drawing surfaces, pens, brushes, text and pictures. Coordinates are client pixels; a rectangle
// excludes its right column and bottom row. Text is Windows-1252.
#pragma once
#include <cstdint>

struct Rect {
    int32_t left, top, right, bottom;
};

using Colour = uint32_t; // 0xRRGGBB
constexpr Colour RgbColour(int r, int g, int b) {
    return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
           static_cast<uint32_t>(b);
}

// A solid pen. Plain data: the surface builds the toolkit pen when it is selected.
struct Pen {
    int32_t width;
    Colour colour;
};

enum StockBrush {
    BRUSH_WHITE = 0,
    BRUSH_HOLLOW = 1,
    BRUSH_BLACK = 2,
    BRUSH_LIGHT_GREY = 3, // RGB 192, 192, 192
};

struct Surface; // a drawing surface over one window, acquired and released per operation
struct Picture; // a picture loaded from the embedded resources

// A freshly acquired surface has a black one-pixel pen, the white brush, black text on an opaque
// white background and the default GUI font. What is drawn reaches the screen at release.
Surface* AcquireRootSurface();
Surface* AcquireDiceWindowSurface();
Surface* AcquireDieSurface(int32_t die);
void ReleaseSurface(Surface* s);

void SelectPen(Surface* s, const Pen& pen);
void SelectDefaultPen(Surface* s); // black, one pixel
void SelectBrush(Surface* s, StockBrush brush);
void SetTextColour(Surface* s, Colour colour);

// Outline in the current pen centred on the edges, interior in the current brush.
void DrawRectangle(Surface* s, int32_t left, int32_t top, int32_t right, int32_t bottom);
// A line in the current pen that excludes its end point.
void DrawLine(Surface* s, int32_t x0, int32_t y0, int32_t x1, int32_t y1);
void FillRectangle(Surface* s, const Rect& r, StockBrush brush);
// A frame one pixel wide inside the rectangle.
void FrameRectangle(Surface* s, const Rect& r, StockBrush brush);
// Text with its top-left corner at (x, y), in the text colour, on an opaque white background.
void DrawText(Surface* s, int32_t x, int32_t y, const char* text, int32_t length);

void CopyPicture(Surface* s, const Picture* p, int32_t x, int32_t y, int32_t width, int32_t height,
                 int32_t srcX, int32_t srcY);
void StretchPicture(Surface* s, const Picture* p, int32_t x, int32_t y, int32_t width,
                    int32_t height, int32_t srcX, int32_t srcY, int32_t srcWidth,
                    int32_t srcHeight);

// Null when the resource is missing or is no picture.
Picture* LoadPicture(int32_t resourceId);
void FreePicture(Picture* p);

// The default GUI font, in which the sheet is measured and every text is drawn.
void DefaultFontMetrics(int32_t* textHeight, int32_t* avgCharWidth);
int32_t MeasureTextWidth(const char* text, int32_t length);
