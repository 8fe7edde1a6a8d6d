// Reads the Windows bitmaps the game carries, as the toolkit's loader would see them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Colour {
    int r, g, b, a;
};

struct Bitmap {
    int width = 0;
    int height = 0; // always positive; bottom-up storage is resolved by PixelAt
    int bits = 0;
    std::vector<Colour> palette;
    std::vector<Colour> pixels; // top row first, palette entries already looked up
};

// False, with the reason, when the bytes are not a plain uncompressed bitmap or are cut short.
bool ReadBitmap(const unsigned char* data, size_t size, Bitmap* out, std::string* why);

Colour PixelAt(const Bitmap& bitmap, int x, int y);
// Loads the bitmap resource or fails the current test.
Bitmap LoadBitmapResource(int32_t id);
