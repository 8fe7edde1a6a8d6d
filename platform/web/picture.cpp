// Pictures: the embedded BMPs decoded once into pixels that stay here; the page puts them on a
// canvas straight from the game's memory. Stretched copies are sampled here, nearest pixel as
// the classic stretch copy does, so that the felt and the dice strip come out pixel for pixel as
// in the Linux build.
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

uint32_t le(const uint8_t* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; i--)
        v = v << 8 | p[i];
    return v;
}

// Uncompressed BMPs of 8 (palette), 24 or 32 bits, bottom-up or top-down; anything else is no
// picture. Alpha is kept only when asked for: every picture the game draws is opaque.
bool decodeBmp(const uint8_t* d, size_t size, bool alpha, Picture* out) {
    if (size < 54 || d[0] != 'B' || d[1] != 'M')
        return false;
    const uint32_t offset = le(d + 10, 4), header = le(d + 14, 4);
    const auto width = static_cast<int32_t>(le(d + 18, 4));
    const auto rawHeight = static_cast<int32_t>(le(d + 22, 4));
    const uint32_t bits = le(d + 28, 2), compression = le(d + 30, 4);
    const int32_t height = rawHeight < 0 ? -rawHeight : rawHeight;
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096 || header < 40 ||
        (bits != 8 && bits != 24 && bits != 32) || (compression != 0 && compression != 3))
        return false;
    const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    if (offset > size || stride * static_cast<size_t>(height) > size - offset)
        return false;
    uint32_t colours = bits == 8 ? le(d + 46, 4) : 0;
    if (bits == 8 && (colours == 0 || colours > 256))
        colours = 256;
    const size_t palette = 14 + static_cast<size_t>(header);
    if (palette + 4 * static_cast<size_t>(colours) > offset)
        return false;
    out->width = width;
    out->height = height;
    out->rgba.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 255);
    for (int32_t y = 0; y < height; y++) {
        const uint8_t* row =
            d + offset + stride * static_cast<size_t>(rawHeight < 0 ? y : height - 1 - y);
        uint8_t* px = out->rgba.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 4;
        for (int32_t x = 0; x < width; x++, px += 4) {
            const uint8_t* bgr = bits == 8
                                     ? d + palette + 4 * std::min<uint32_t>(row[x], colours - 1)
                                     : row + static_cast<size_t>(x) * (bits / 8);
            px[0] = bgr[2];
            px[1] = bgr[1];
            px[2] = bgr[0];
            if (alpha && bits == 32)
                px[3] = bgr[3];
        }
    }
    return true;
}

} // namespace

Picture* LoadPicture(int32_t resourceId) {
    ResourceData data;
    if (!FindResourceData(resourceId, &data) || data.size == 0)
        return nullptr;
    Picture* p = new Picture{0, 0, {}};
    if (!decodeBmp(data.data, data.size, false, p)) {
        delete p;
        return nullptr;
    }
    return p;
}

void FreePicture(Picture* p) {
    delete p;
}

void SetPageIcon() {
    ResourceData data;
    Picture icon{0, 0, {}};
    if (FindResourceData(IDI_APP_ICON, &data) && decodeBmp(data.data, data.size, true, &icon))
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
    // A source outside the picture reads its nearest edge. Bands of rows keep the buffer small
    // however large the window grows.
    constexpr int32_t BAND = 64;
    static std::vector<uint8_t> out;
    out.resize(static_cast<size_t>(width) * BAND * 4);
    std::vector<size_t> columns(static_cast<size_t>(width));
    for (int32_t i = 0; i < width; i++) {
        const int64_t sx = srcX + static_cast<int64_t>(i) * srcWidth / width;
        columns[static_cast<size_t>(i)] =
            static_cast<size_t>(std::clamp<int64_t>(sx, 0, p->width - 1)) * 4;
    }
    for (int32_t top = 0; top < height; top += BAND) {
        const int32_t rows = std::min(BAND, height - top);
        uint8_t* dst = out.data();
        for (int32_t j = top; j < top + rows; j++) {
            const int64_t sy = srcY + static_cast<int64_t>(j) * srcHeight / height;
            const uint8_t* row =
                p->rgba.data() + static_cast<size_t>(std::clamp<int64_t>(sy, 0, p->height - 1)) *
                                     static_cast<size_t>(p->width) * 4;
            for (const size_t c : columns) {
                std::copy_n(row + c, 4, dst);
                dst += 4;
            }
        }
        dyxel_put(s->canvas, out.data(), width, rows, x, y + top, 0, 0, width, rows);
    }
}
