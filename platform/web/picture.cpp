// Pictures: the embedded BMPs decoded once into pixels that stay here; the page puts them on a
// canvas straight from the game's memory. Stretched copies are sampled here, nearest pixel as
// the classic stretch copy does, so that the felt and the dice strip come out pixel for pixel as
// in the Linux build.
#include "platform/bmp.h"
#include "platform/draw.h"
#include "platform/web/webplatform.h"
#include "res/resources.h"
#include <algorithm>
#include <vector>

struct Picture {
    int32_t width, height;
    std::vector<uint8_t> rgba;
};

namespace {

// Opaque pixels unless `alpha`: every picture the game draws is opaque.
bool decode(int32_t resourceId, bool alpha, Picture* p) {
    ResourceData data;
    DecodedBmp bmp;
    if (!FindResourceData(resourceId, &data) || !DecodeBmp(data.data, data.size, 4, &bmp))
        return false;
    if (!alpha)
        for (size_t i = 3; i < bmp.pixels.size(); i += 4)
            bmp.pixels[i] = 255;
    *p = Picture{bmp.width, bmp.height, std::move(bmp.pixels)};
    return true;
}

} // namespace

Picture* LoadPicture(int32_t resourceId) {
    Picture* p = new Picture{0, 0, {}};
    if (!decode(resourceId, false, p)) {
        delete p;
        return nullptr;
    }
    return p;
}

void FreePicture(Picture* p) {
    delete p;
}

void SetPageIcon() {
    Picture icon{0, 0, {}};
    if (decode(IDI_APP_ICON, true, &icon))
        dyxel_page_icon(icon.rgba.data(), icon.width, icon.height);
}

void CopyPicture(Surface* s, const Picture* p, int32_t x, int32_t y, int32_t width, int32_t height,
                 int32_t srcX, int32_t srcY) {
    if (s == nullptr || s->canvas == CANVAS_NONE || windows.rootGone || p == nullptr)
        return;
    // Only what lies inside the picture is copied.
    const int32_t l = std::max(srcX, 0), t = std::max(srcY, 0);
    const int32_t r = std::min(srcX + width, p->width), b = std::min(srcY + height, p->height);
    if (r > l && b > t)
        dyxel_put(s->canvas, p->rgba.data(), p->width, p->height, x - srcX, y - srcY, l, t, r - l,
                  b - t);
}

void StretchPicture(Surface* s, const Picture* p, int32_t x, int32_t y, int32_t width,
                    int32_t height, int32_t srcX, int32_t srcY, int32_t srcWidth,
                    int32_t srcHeight) {
    if (s == nullptr || s->canvas == CANVAS_NONE || windows.rootGone || p == nullptr ||
        width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0)
        return;
    if (width == srcWidth && height == srcHeight) {
        CopyPicture(s, p, x, y, width, height, srcX, srcY);
        return;
    }
    // Bands of rows keep the buffer small however large the window grows.
    constexpr int32_t BAND = 64;
    static std::vector<uint8_t> out;
    out.resize(static_cast<size_t>(width) * BAND * 4);
    std::vector<size_t> columns(static_cast<size_t>(width));
    for (int32_t i = 0; i < width; i++)
        columns[static_cast<size_t>(i)] =
            static_cast<size_t>(StretchSource(i, srcX, srcWidth, width, p->width)) * 4;
    for (int32_t top = 0; top < height; top += BAND) {
        const int32_t rows = std::min(BAND, height - top);
        uint8_t* dst = out.data();
        for (int32_t j = top; j < top + rows; j++) {
            const uint8_t* row =
                p->rgba.data() +
                static_cast<size_t>(StretchSource(j, srcY, srcHeight, height, p->height)) *
                    static_cast<size_t>(p->width) * 4;
            for (const size_t c : columns) {
                std::copy_n(row + c, 4, dst);
                dst += 4;
            }
        }
        dyxel_put(s->canvas, out.data(), width, rows, x, y + top, 0, 0, width, rows);
    }
}
