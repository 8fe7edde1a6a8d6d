// Drawing into the fake's pixel buffers: rectangles, lines, text and pictures, with the pen,
// brush and text colour that the surface holds, as the ui selects them.
#include "platform/bmp.h"
#include "platform/strokes.h"
#include "res/resources.h"
#include "tests/fake/fake.h"
#include <algorithm>
#include <cstring>
#include <fstream>

struct Surface : PaintState {
    FakeImage* image;
    int32_t x0, y0; // the surface's origin in the window
};

struct Picture {
    int32_t width, height;
    std::vector<Colour> pixels;
};

void FakeImage::Resize(int32_t w, int32_t h) {
    width = w;
    height = h;
    pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), RgbColour(255, 255, 255));
}

Colour FakeImage::At(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < width && y < height ? pixels[y * width + x] : 0;
}

void FakeImage::Fill(int32_t left, int32_t top, int32_t right, int32_t bottom, Colour c) {
    for (int32_t y = std::max(top, 0); y < std::min(bottom, height); y++)
        for (int32_t x = std::max(left, 0); x < std::min(right, width); x++)
            pixels[y * width + x] = c;
}

uint64_t FakeImage::Hash() const {
    uint64_t h = 1469598103934665603ull; // FNV-1a
    for (Colour c : pixels)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

int32_t FakeImage::CountOther(const Rect& r, Colour background) const {
    int32_t n = 0;
    for (int32_t y = r.top; y < r.bottom; y++)
        for (int32_t x = r.left; x < r.right; x++)
            n += At(x, y) != background;
    return n;
}

void FakeSave(WindowId w, const std::string& path) {
    const FakeImage& img = fake.window[w];
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << img.width << ' ' << img.height << "\n255\n";
    for (Colour c : img.pixels)
        out << static_cast<char>(c >> 16) << static_cast<char>(c >> 8) << static_cast<char>(c);
}

uint64_t FakeDieHash(int32_t die) {
    FakeImage die64;
    die64.Resize(64, 64);
    for (int32_t y = 0; y < 64; y++)
        for (int32_t x = 0; x < 64; x++)
            die64.pixels[y * 64 + x] = fake.window[WINDOW_DICE].At(70 * die + x, y);
    return die64.Hash();
}

namespace {

void put(Surface* s, int32_t x, int32_t y, int32_t r, int32_t b, Colour c) {
    s->image->Fill(s->x0 + x, s->y0 + y, s->x0 + r, s->y0 + b, c);
}

Surface* acquire(WindowId w, int32_t x0, int32_t y0) {
    fake.openSurfaces++;
    return new Surface{{}, &fake.window[w], x0, y0};
}

} // namespace

Surface* AcquireRootSurface() {
    return acquire(WINDOW_ROOT, 0, 0);
}
Surface* AcquireDiceWindowSurface() {
    return acquire(WINDOW_DICE, 0, 0);
}
Surface* AcquireDieSurface(int32_t die) {
    return acquire(WINDOW_DICE, 70 * die, 0);
}
void ReleaseSurface(Surface* s) {
    fake.openSurfaces--;
    delete s;
}

PaintState* PaintStateOf(Surface* s) {
    return s;
}

void FillPixels(Surface* s, const Rect& r, Colour c) {
    put(s, r.left, r.top, r.right, r.bottom, c);
}

// The sheet draws only lines across and down; anything else would show as a missing line.
void DrawSlantedLine(Surface*, int32_t, int32_t, int32_t, int32_t, const Pen&) {}

// Each character is a cell of the average width on white, with a pattern of ink that depends on
// its code, so that different texts give different pictures; a blank has no ink.
void DrawText(Surface* s, int32_t x, int32_t y, const char* text, int32_t length) {
    const int32_t cw = fake.avgCharWidth, ch = fake.textHeight;
    for (int32_t i = 0; i < length; i++) {
        const auto code = static_cast<uint8_t>(text[i]);
        const int32_t left = x + i * cw;
        put(s, left, y, left + cw, y + ch, 0xffffff);
        uint32_t bits = code == ' ' ? 0 : code * 2654435761u | 0x11u;
        for (int32_t k = 0; k < 32 && bits != 0; k++, bits >>= 1)
            if (bits & 1)
                put(s, left + 1 + k % (cw - 2), y + 3 + (k * 3) % (ch - 6), left + 2 + k % (cw - 2),
                    y + 4 + (k * 3) % (ch - 6), s->textColour);
    }
}

void CopyPicture(Surface* s, const Picture* p, int32_t x, int32_t y, int32_t w, int32_t h,
                 int32_t sx, int32_t sy) {
    StretchPicture(s, p, x, y, w, h, sx, sy, w, h);
}

void StretchPicture(Surface* s, const Picture* p, int32_t x, int32_t y, int32_t w, int32_t h,
                    int32_t sx, int32_t sy, int32_t sw, int32_t sh) {
    if (p == nullptr || w <= 0 || h <= 0)
        return;
    for (int32_t j = 0; j < h; j++)
        for (int32_t i = 0; i < w; i++) {
            const int32_t px = StretchSource(i, sx, sw, w, p->width);
            const int32_t py = StretchSource(j, sy, sh, h, p->height);
            put(s, x + i, y + j, x + i + 1, y + j + 1, p->pixels[py * p->width + px]);
        }
}

Picture* LoadPicture(int32_t resourceId) {
    ResourceData res{};
    DecodedBmp bmp;
    if (fake.missingPictures.count(resourceId) || !FindResourceData(resourceId, &res) ||
        !DecodeBmp(res.data, res.size, 3, &bmp))
        return nullptr;
    auto* p = new Picture{bmp.width, bmp.height, {}};
    for (size_t i = 0; i < bmp.pixels.size(); i += 3)
        p->pixels.push_back(RgbColour(bmp.pixels[i], bmp.pixels[i + 1], bmp.pixels[i + 2]));
    fake.livePictures++;
    return p;
}

void FreePicture(Picture* p) {
    fake.livePictures--;
    delete p;
}

void DefaultFontMetrics(int32_t* textHeight, int32_t* avgCharWidth) {
    *textHeight = fake.textHeight;
    *avgCharWidth = fake.avgCharWidth;
}

int32_t MeasureTextWidth(const char* text, int32_t length) {
    const auto found = fake.textWidths.find(std::string(text, static_cast<size_t>(length)));
    return found != fake.textWidths.end() ? found->second : length * fake.avgCharWidth;
}
