// Drawing surfaces, pictures and the font: each call logged with the surface's name and state.
#include "tests/fake/fake_platform.h"
#include <string>

struct Surface {
    std::string name; // "root", "dice", "die0".."die4"
    Pen pen;
    StockBrush brush;
    Colour textColour;
};

struct Picture {
    int32_t id;
};

namespace {

const Pen DEFAULT_PEN{1, 0x000000};
const char* const BRUSHES[] = {"white", "hollow", "black", "grey"};

std::string penText(const Pen& p) {
    return "pen " + std::to_string(p.width) + " " + FakeColour(p.colour);
}

std::string point(int32_t x, int32_t y) {
    return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

std::string pictureName(const Picture* p) {
    return p == nullptr ? std::string("none") : std::to_string(p->id);
}

Surface* acquire(const std::string& name) {
    fake.openSurfaces++;
    FakeLog("acquire " + name);
    return new Surface{name, DEFAULT_PEN, BRUSH_WHITE, 0x000000};
}

void draw(const Surface* s, const std::string& what) {
    FakeLog(s->name + ": " + what);
}

} // namespace

Surface* AcquireRootSurface() {
    return acquire("root");
}
Surface* AcquireDiceWindowSurface() {
    return acquire("dice");
}
Surface* AcquireDieSurface(int32_t die) {
    return acquire("die" + std::to_string(die));
}

void ReleaseSurface(Surface* s) {
    fake.openSurfaces--;
    FakeLog("release " + s->name);
    delete s;
}

void SelectPen(Surface* s, const Pen& pen) {
    s->pen = pen;
    draw(s, "select " + penText(pen));
}
void SelectDefaultPen(Surface* s) {
    s->pen = DEFAULT_PEN;
    draw(s, "select default pen");
}
void SelectBrush(Surface* s, StockBrush brush) {
    s->brush = brush;
    draw(s, std::string("select brush ") + BRUSHES[brush]);
}
void SetTextColour(Surface* s, Colour colour) {
    s->textColour = colour;
    draw(s, "text colour " + FakeColour(colour));
}

void DrawRectangle(Surface* s, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    draw(s, "rect " + FakeRect(Rect{left, top, right, bottom}) + " " + penText(s->pen) + " brush " +
                BRUSHES[s->brush]);
}
void DrawLine(Surface* s, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    draw(s, "line " + point(x0, y0) + "-" + point(x1, y1) + " " + penText(s->pen));
}
void FillRectangle(Surface* s, const Rect& r, StockBrush brush) {
    draw(s, "fill " + FakeRect(r) + " " + BRUSHES[brush]);
}
void FrameRectangle(Surface* s, const Rect& r, StockBrush brush) {
    draw(s, "frame " + FakeRect(r) + " " + BRUSHES[brush]);
}
void DrawText(Surface* s, int32_t x, int32_t y, const char* text, int32_t length) {
    const std::string t(text, static_cast<size_t>(length > 0 ? length : 0));
    draw(s, "text '" + t + "' at " + point(x, y) + " colour " + FakeColour(s->textColour));
}

void CopyPicture(Surface* s, const Picture* p, int32_t x, int32_t y, int32_t width, int32_t height,
                 int32_t srcX, int32_t srcY) {
    draw(s, "copy picture " + pictureName(p) + " from " + point(srcX, srcY) + " to " + point(x, y) +
                " size " + std::to_string(width) + "x" + std::to_string(height));
}
void StretchPicture(Surface* s, const Picture* p, int32_t x, int32_t y, int32_t width,
                    int32_t height, int32_t srcX, int32_t srcY, int32_t srcWidth,
                    int32_t srcHeight) {
    draw(s, "stretch picture " + pictureName(p) + " from " +
                FakeRect(Rect{srcX, srcY, srcWidth, srcHeight}) + " to " +
                FakeRect(Rect{x, y, width, height}));
}

Picture* LoadPicture(int32_t resourceId) {
    const bool missing = fake.missingPictures.count(resourceId) != 0;
    FakeLog("load picture " + std::to_string(resourceId) + (missing ? " missing" : ""));
    if (missing)
        return nullptr;
    fake.livePictures++;
    return new Picture{resourceId};
}

void FreePicture(Picture* p) {
    FakeLog("free picture " + pictureName(p));
    if (p != nullptr)
        fake.livePictures--;
    delete p;
}

void DefaultFontMetrics(int32_t* textHeight, int32_t* avgCharWidth) {
    *textHeight = fake.textHeight;
    *avgCharWidth = fake.avgCharWidth;
}

int32_t MeasureTextWidth(const char* text, int32_t length) {
    const auto found =
        fake.textWidths.find(std::string(text, static_cast<size_t>(length > 0 ? length : 0)));
    return found != fake.textWidths.end() ? found->second : fake.avgCharWidth * length;
}
