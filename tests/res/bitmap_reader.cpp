#include "tests/res/bitmap_reader.h"

#include "res/resources.h"
#include <gtest/gtest.h>

namespace {

uint32_t Le(const unsigned char* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; i--)
        v = (v << 8) | p[i];
    return v;
}

} // namespace

bool ReadBitmap(const unsigned char* data, size_t size, Bitmap* out, std::string* why) {
    if (size < 54 || data[0] != 'B' || data[1] != 'M') {
        *why = "no BM header";
        return false;
    }
    if (Le(data + 2, 4) != size) {
        *why = "file size field " + std::to_string(Le(data + 2, 4)) + " but " +
               std::to_string(size) + " bytes";
        return false;
    }
    uint32_t offset = Le(data + 10, 4);
    int32_t width = static_cast<int32_t>(Le(data + 18, 4));
    int32_t height = static_cast<int32_t>(Le(data + 22, 4));
    int bits = static_cast<int>(Le(data + 28, 2));
    if (Le(data + 14, 4) != 40 || Le(data + 26, 2) != 1 || Le(data + 30, 4) != 0) {
        *why = "not a BITMAPINFOHEADER picture with one plane and BI_RGB";
        return false;
    }
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) {
        *why = "size out of range or top-down";
        return false;
    }
    if (bits != 8 && bits != 24 && bits != 32) {
        *why = "unexpected depth " + std::to_string(bits);
        return false;
    }
    uint32_t colours = 0;
    if (bits == 8) {
        colours = Le(data + 46, 4) == 0 ? 256 : Le(data + 46, 4);
        if (colours > 256 || 54 + colours * 4 > offset) {
            *why = "palette does not fit before the pixels";
            return false;
        }
    }
    size_t stride = (static_cast<size_t>(width) * bits / 8 + 3) & ~size_t{3};
    if (offset < 54 || offset + stride * height > size) {
        *why = "pixel data cut short";
        return false;
    }
    out->width = width;
    out->height = height;
    out->bits = bits;
    out->palette.clear();
    for (uint32_t i = 0; i < colours; i++) {
        const unsigned char* q = data + 54 + 4 * i;
        out->palette.push_back({q[2], q[1], q[0], 255});
    }
    out->pixels.clear();
    for (int y = 0; y < height; y++) {
        const unsigned char* row = data + offset + stride * (height - 1 - y);
        for (int x = 0; x < width; x++) {
            if (bits == 8) {
                if (row[x] >= colours) {
                    *why = "pixel refers past the palette";
                    return false;
                }
                out->pixels.push_back(out->palette[row[x]]);
            } else {
                const unsigned char* q = row + x * (bits / 8);
                out->pixels.push_back({q[2], q[1], q[0], bits == 32 ? q[3] : 255});
            }
        }
    }
    return true;
}

Colour PixelAt(const Bitmap& bitmap, int x, int y) {
    return bitmap.pixels[static_cast<size_t>(y) * bitmap.width + x];
}

Bitmap LoadBitmapResource(int32_t id) {
    Bitmap bitmap;
    ResourceData res{};
    std::string why;
    if (!FindResourceData(id, &res))
        ADD_FAILURE() << "bitmap " << id << " is missing";
    else if (!ReadBitmap(res.data, res.size, &bitmap, &why))
        ADD_FAILURE() << "bitmap " << id << ": " << why;
    return bitmap;
}
