// The embedded pictures' file format, for the platforms that decode it themselves.
#pragma once
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
