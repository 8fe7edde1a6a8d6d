#include "platform/bmp.h"
#include <algorithm>

namespace {

uint32_t le(const uint8_t* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; i--)
        v = v << 8 | p[i];
    return v;
}

} // namespace

bool DecodeBmp(const uint8_t* d, size_t size, int32_t channels, DecodedBmp* out) {
    if (d == nullptr || size < 54 || d[0] != 'B' || d[1] != 'M' || (channels != 3 && channels != 4))
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
    const size_t n = static_cast<size_t>(channels);
    out->pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * n, 255);
    for (int32_t y = 0; y < height; y++) {
        const uint8_t* row =
            d + offset + stride * static_cast<size_t>(rawHeight < 0 ? y : height - 1 - y);
        uint8_t* px = out->pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * n;
        for (int32_t x = 0; x < width; x++, px += n) {
            const uint8_t* bgr = bits == 8
                                     ? d + palette + 4 * std::min<uint32_t>(row[x], colours - 1)
                                     : row + static_cast<size_t>(x) * (bits / 8);
            px[0] = bgr[2];
            px[1] = bgr[1];
            px[2] = bgr[0];
            if (n == 4 && bits == 32)
                px[3] = bgr[3];
        }
    }
    return true;
}
