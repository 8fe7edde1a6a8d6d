#include "res/gen/die.h"
#include "res/gen/pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

const int BG_WIDTH = 300, BG_HEIGHT = 450;

uint32_t Hash(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 0x8da6b343u ^ static_cast<uint32_t>(y) * 0xd8163841u ^
                 seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

float Lattice(int x, int y, uint32_t seed) {
    return (Hash(x, y, seed) & 0xffff) / 65535.0f;
}

// Smooth value noise, 0..1, with features about one unit apart.
float ValueNoise(float x, float y, uint32_t seed) {
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    float fx = x - ix, fy = y - iy;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    float top = Lattice(ix, iy, seed) + (Lattice(ix + 1, iy, seed) - Lattice(ix, iy, seed)) * fx;
    float bottom = Lattice(ix, iy + 1, seed) +
                   (Lattice(ix + 1, iy + 1, seed) - Lattice(ix, iy + 1, seed)) * fx;
    return top + (bottom - top) * fy;
}

const Rgb FELT = {0.055f, 0.345f, 0.255f};

// The cloth at a point of the 300 x 450 background, also between pixels, so the logo can
// borrow the corner it covers.
Rgb Felt(float x, float y) {
    // Cloudy unevenness of the nap, then a fine grain that stays calm when stretched.
    float cloud = 0.6f * ValueNoise(x / 45.0f, y / 45.0f, 1) +
                  0.4f * ValueNoise(x / 17.0f, y / 17.0f, 2) - 0.5f;
    float fibre = ValueNoise(x / 1.3f, y / 3.2f, 3) - 0.5f;
    float grain = ValueNoise(x / 0.9f, y / 0.9f, 4) - 0.5f;
    float shade = 1.0f + 0.12f * cloud + 0.13f * fibre + 0.09f * grain;
    // A lamp over the table, brightest above the middle. Its light has faded out before the
    // bottom-right corner, so the logo's backdrop matches the felt at any window size.
    float nx = (x - BG_WIDTH * 0.45f) / (BG_WIDTH * 0.60f);
    float ny = (y - BG_HEIGHT * 0.38f) / (BG_HEIGHT * 0.60f);
    float r2 = nx * nx + ny * ny;
    float lamp = 1.12f - 0.42f * Smoothstep(0.0f, 0.95f, r2);
    Rgb c = Scale(FELT, shade * lamp);
    // A touch of blue in the shadows makes the cloth read as deep rather than grey.
    return Mix(c, Rgb{c.r * 0.85f, c.g * 0.92f, c.b * 1.08f}, Smoothstep(0.2f, 0.95f, r2));
}

// Where a logo pixel lands on the background in a window of the usual size (about 440 x 490).
Rgb FeltBehindLogo(float x, float y) {
    const float sx = 440.0f / BG_WIDTH, sy = 490.0f / BG_HEIGHT;
    return Felt(BG_WIDTH - (120.0f - x) / sx, BG_HEIGHT - (88.0f - y) / sy);
}

struct Bounds {
    int left, top, right, bottom; // ink rows and columns, right and bottom exclusive
};

Bounds InkBounds(const Mask& mask) {
    Bounds b{mask.width, mask.height, 0, 0};
    for (int y = 0; y < mask.height; y++)
        for (int x = 0; x < mask.width; x++)
            if (mask.values[static_cast<size_t>(y) * mask.width + x] > 40) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x + 1);
                b.bottom = std::max(b.bottom, y + 1);
            }
    return b;
}

Mask Blur(const Mask& mask, int radius) {
    Mask out = mask;
    for (int y = 0; y < mask.height; y++)
        for (int x = 0; x < mask.width; x++) {
            int sum = 0, count = 0;
            for (int dy = -radius; dy <= radius; dy++)
                for (int dx = -radius; dx <= radius; dx++) {
                    int px = x + dx, py = y + dy;
                    count++;
                    if (px >= 0 && py >= 0 && px < mask.width && py < mask.height)
                        sum += mask.values[static_cast<size_t>(py) * mask.width + px];
                }
            out.values[static_cast<size_t>(y) * mask.width + x] = static_cast<uint8_t>(sum / count);
        }
    return out;
}

// Lettering with a soft shadow, its ink centred on x and its ink's top at y.
void Letter(Picture& logo, const Mask& text, int x, int y, Rgb colour) {
    Bounds ink = InkBounds(text);
    int left = x - (ink.left + ink.right) / 2, top = y - ink.top;
    Stamp(logo, Blur(text, 1), left + 1, top + 2, Rgb{0.0f, 0.06f, 0.04f}, 0.75f);
    Stamp(logo, text, left, top, colour, 1.0f);
}

} // namespace

Picture MakeBackground() {
    Picture bg = MakePicture(BG_WIDTH, BG_HEIGHT, FELT);
    for (int y = 0; y < BG_HEIGHT; y++)
        for (int x = 0; x < BG_WIDTH; x++)
            At(bg, x, y) = Felt(x + 0.5f, y + 0.5f);
    return bg;
}

bool MakeLogo(Picture* out) {
    const char* font = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    Mask first, second;
    if (!RenderText("Tolvik", font, 18, &first) || !RenderText("dyxel", font, 22, &second))
        return false;
    Picture logo = MakePicture(120, 88, FELT);
    for (int y = 0; y < 88; y++)
        for (int x = 0; x < 120; x++)
            At(logo, x, y) = FeltBehindLogo(x + 0.5f, y + 0.5f);

    // Everything sits in the lower part: during a game the round panel covers exactly that,
    // leaving only felt above it.
    DiePlacement die{22.0f, 62.0f, 28.0f, 5.5f, -14.0f};
    DrawDie(logo, FREE_DIE, die, 5, 0.55f);
    Letter(logo, first, 80, 42, Rgb{0.985f, 0.955f, 0.860f});
    Letter(logo, second, 80, 61, Rgb{0.985f, 0.800f, 0.300f});
    *out = logo;
    return true;
}
