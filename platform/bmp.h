// The embedded pictures' file format, for the platforms that decode it themselves, and the
// sampling of their stretched copies.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

struct DecodedBmp {
    int32_t width = 0, height = 0;
    std::vector<uint8_t> pixels; // rows from the top, `channels` bytes a pixel: R, G, B (, A)
};

// Uncompressed BMPs of 8 (palette), 24 or 32 bits, bottom-up or top-down, up to 4096 pixels a
// side; anything else, or a file cut short, is no picture. With 4 channels a 32-bit picture
// keeps its alpha and any other is opaque.
bool DecodeBmp(const uint8_t* data, size_t size, int32_t channels, DecodedBmp* out);

// The source pixel of pixel `i` of `to` stretched from `length` pixels at `from`: the nearest,
// as the classic stretch copy takes it; a source outside the picture (`limit` pixels) reads its
// nearest edge.
inline int32_t StretchSource(int32_t i, int32_t from, int32_t length, int32_t to, int32_t limit) {
    const int64_t at = from + static_cast<int64_t>(i) * length / to;
    return static_cast<int32_t>(std::clamp<int64_t>(at, 0, limit - 1));
}
