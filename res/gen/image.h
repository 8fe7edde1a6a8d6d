// Float pictures for the resource generator and their Windows bitmap encodings.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    float r, g, b;
};

// Row 0 is the top row; channels run 0..1.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    std::vector<float> alpha; // empty unless the picture carries coverage
};

// An 8-bit coverage mask, e.g. rendered text.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> values;
};

Picture MakePicture(int width, int height, Rgb fill);
Rgb& At(Picture& picture, int x, int y);
Rgb Mix(Rgb a, Rgb b, float t);
Rgb Scale(Rgb c, float k);
float Clamp01(float v);
float Smoothstep(float edge0, float edge1, float x);

// Paints colour through the mask at (left, top); coverage is scaled by opacity.
void Stamp(Picture& picture, const Mask& mask, int left, int top, Rgb colour, float opacity);

// Palette bitmap (BI_RGB, bottom-up) with at most 256 colours chosen from the picture itself.
std::vector<uint8_t> EncodePaletteBmp(const Picture& picture);
// 24-bit BI_RGB, bottom-up.
std::vector<uint8_t> EncodeTrueColourBmp(const Picture& picture);
// 32-bit BI_RGB with straight alpha in the fourth byte, bottom-up.
std::vector<uint8_t> EncodeAlphaBmp(const Picture& picture);
// 8-bit RGB, or RGBA with straight alpha when the picture carries coverage; not compressed.
std::vector<uint8_t> EncodePng(const Picture& picture);

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// Little-endian words, as the BMP and WAVE headers hold them.
void Put16(std::vector<uint8_t>& out, uint32_t v);
void Put32(std::vector<uint8_t>& out, uint32_t v);

// Renders one line of text in the given font through ImageMagick; false when it cannot.
bool RenderText(const std::string& text, const std::string& font, int pointSize, Mask* out);
