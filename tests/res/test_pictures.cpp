// The pictures as the windows use them: sizes and depths the loaders expect, dice faces that
// show the right pips in the right places, and held faces that differ from free ones only in
// colour.
#include "res/resources.h"
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Colour {
    int r, g, b, a;
};

struct Bitmap {
    int width = 0, height = 0, bits = 0;
    std::vector<Colour> palette, pixels; // pixels top row first
};

uint32_t Le(const unsigned char* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; i--)
        v = (v << 8) | p[i];
    return v;
}

// The Windows bitmaps as the toolkit's loader would see them: palette entries looked up, top row
// first. False, with the reason, unless the bytes are a plain uncompressed bitmap.
bool ReadBitmap(const unsigned char* data, size_t size, Bitmap* out, std::string* why) {
    auto fail = [why](const char* reason) {
        *why = reason;
        return false;
    };
    if (size < 54 || data[0] != 'B' || data[1] != 'M')
        return fail("no BM header");
    if (Le(data + 2, 4) != size)
        return fail("file size field disagrees with the resource size");
    const uint32_t offset = Le(data + 10, 4);
    const auto width = static_cast<int32_t>(Le(data + 18, 4));
    const auto height = static_cast<int32_t>(Le(data + 22, 4));
    const int bits = static_cast<int>(Le(data + 28, 2));
    if (Le(data + 14, 4) != 40 || Le(data + 26, 2) != 1 || Le(data + 30, 4) != 0)
        return fail("not a BITMAPINFOHEADER picture with one plane and BI_RGB");
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
        return fail("size out of range or top-down");
    if (bits != 8 && bits != 24 && bits != 32)
        return fail("unexpected depth");
    const uint32_t colours = bits != 8 ? 0 : Le(data + 46, 4) == 0 ? 256 : Le(data + 46, 4);
    if (colours > 256 || 54 + colours * 4 > offset)
        return fail("palette does not fit before the pixels");
    const size_t stride = (static_cast<size_t>(width) * bits / 8 + 3) & ~size_t{3};
    if (offset + stride * height > size)
        return fail("pixel data cut short");
    *out = Bitmap{width, height, bits, {}, {}};
    for (uint32_t i = 0; i < colours; i++) {
        const unsigned char* q = data + 54 + 4 * i;
        out->palette.push_back({q[2], q[1], q[0], 255});
    }
    for (int y = 0; y < height; y++) {
        const unsigned char* row = data + offset + stride * (height - 1 - y);
        for (int x = 0; x < width; x++) {
            const unsigned char* q = row + x * (bits / 8);
            if (bits == 8 && row[x] >= colours)
                return fail("pixel refers past the palette");
            out->pixels.push_back(bits == 8 ? out->palette[row[x]]
                                            : Colour{q[2], q[1], q[0], bits == 32 ? q[3] : 255});
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

int Saturation(Colour c) {
    return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b});
}
int Luminance(Colour c) {
    return (299 * c.r + 587 * c.g + 114 * c.b) / 1000;
}

// A point that is plain die surface on every face: above the middle, between the top pips.
const int BODY_X = 32, BODY_Y = 12;

// Pip pixels are those nearer in saturation to the most saturated pip colour than to the die's
// own surface; the threshold adapts to each face's colours.
std::vector<bool> PipMask(const Bitmap& face) {
    int body = Saturation(PixelAt(face, BODY_X, BODY_Y));
    int strongest = 0;
    for (const Colour& c : face.pixels)
        strongest = std::max(strongest, Saturation(c));
    int threshold = (body + strongest) / 2;
    std::vector<bool> mask;
    for (const Colour& c : face.pixels)
        mask.push_back(strongest - body > 40 && Saturation(c) > threshold);
    return mask;
}

struct Blob {
    double x, y;
    int area;
};

// Four-connected groups of pip pixels.
std::vector<Blob> Pips(const std::vector<bool>& mask, int width, int height) {
    std::vector<int> seen(mask.size(), 0);
    std::vector<Blob> blobs;
    for (size_t start = 0; start < mask.size(); start++) {
        if (!mask[start] || seen[start])
            continue;
        Blob blob{0, 0, 0};
        std::vector<size_t> stack{start};
        seen[start] = 1;
        while (!stack.empty()) {
            size_t i = stack.back();
            stack.pop_back();
            int x = static_cast<int>(i % width), y = static_cast<int>(i / width);
            blob.x += x;
            blob.y += y;
            blob.area++;
            const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
            for (int k = 0; k < 4; k++) {
                int nx = x + dx[k], ny = y + dy[k];
                size_t j = static_cast<size_t>(ny) * width + nx;
                if (nx >= 0 && ny >= 0 && nx < width && ny < height && mask[j] && !seen[j]) {
                    seen[j] = 1;
                    stack.push_back(j);
                }
            }
        }
        blob.x /= blob.area;
        blob.y /= blob.area;
        blobs.push_back(blob);
    }
    return blobs;
}

using Grid = std::set<std::pair<int, int>>;

// The pips' places on a 3 x 3 grid around their common centre.
Grid Layout(const std::vector<Blob>& pips) {
    double cx = 0, cy = 0, reach = 0;
    for (const Blob& b : pips) {
        cx += b.x / pips.size();
        cy += b.y / pips.size();
    }
    for (const Blob& b : pips)
        reach = std::max({reach, std::fabs(b.x - cx), std::fabs(b.y - cy)});
    Grid grid;
    for (const Blob& b : pips)
        grid.insert({reach < 1 ? 0 : static_cast<int>(std::lround((b.x - cx) / reach)),
                     reach < 1 ? 0 : static_cast<int>(std::lround((b.y - cy) / reach))});
    return grid;
}

// The pips of a real die on the 3 x 3 grid; two, three and six may be turned a quarter.
bool IsRealDieLayout(int pips, const Grid& grid) {
    const Grid corners{{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    auto plus = [](Grid g, std::initializer_list<std::pair<int, int>> extra) {
        g.insert(extra);
        return g;
    };
    const Grid rising{{1, -1}, {-1, 1}}, falling{{-1, -1}, {1, 1}};
    const std::vector<Grid> real[7] = {
        {},
        {{{0, 0}}},
        {rising, falling},
        {plus(rising, {{0, 0}}), plus(falling, {{0, 0}})},
        {corners},
        {plus(corners, {{0, 0}})},
        {plus(corners, {{-1, 0}, {1, 0}}), plus(corners, {{0, -1}, {0, 1}})},
    };
    const auto& layouts = real[pips >= 1 && pips <= 6 ? pips : 0];
    return std::find(layouts.begin(), layouts.end(), grid) != layouts.end();
}

Colour MeanOf(const Bitmap& face, const std::vector<bool>& mask) {
    long r = 0, g = 0, b = 0, n = 0;
    for (size_t i = 0; i < mask.size(); i++)
        if (mask[i]) {
            r += face.pixels[i].r;
            g += face.pixels[i].g;
            b += face.pixels[i].b;
            n++;
        }
    n = std::max(n, 1L);
    return {static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n), 255};
}

} // namespace

TEST(Pictures, EveryPictureLoadsAtTheSizeAndDepthItsUserExpects) {
    struct Expect {
        int32_t id, width, height, bits;
    };
    std::vector<Expect> expected{
        {IDI_APP_ICON, 48, 48, 32}, {IDB_BACKGROUND, 300, 450, 24}, {IDB_LOGO, 120, 88, 24}};
    for (int k = 0; k < 12; k++)
        expected.push_back({IDB_DIE_FIRST + k, 64, 64, 8});
    for (const Expect& e : expected) {
        Bitmap bitmap = LoadBitmapResource(e.id);
        EXPECT_EQ(bitmap.width, e.width) << "bitmap " << e.id;
        EXPECT_EQ(bitmap.height, e.height) << "bitmap " << e.id;
        EXPECT_EQ(bitmap.bits, e.bits) << "bitmap " << e.id;
        if (e.bits == 8) {
            EXPECT_LE(bitmap.palette.size(), 256u) << "bitmap " << e.id;
        }
    }
    ResourceData none{};
    EXPECT_FALSE(FindResourceData(115, &none)); // no picture between background and logo
}

TEST(Pictures, EachFaceShowsItsPipsWhereARealDieHasThem) {
    for (int held = 0; held < 2; held++)
        for (int pips = 1; pips <= 6; pips++) {
            SCOPED_TRACE((held ? "held face " : "free face ") + std::to_string(pips));
            Bitmap face = LoadBitmapResource(IDB_DIE_FIRST + 6 * held + pips - 1);
            ASSERT_EQ(face.pixels.size(), 64u * 64u);
            std::vector<Blob> blobs = Pips(PipMask(face), 64, 64);
            ASSERT_EQ(static_cast<int>(blobs.size()), pips);
            for (const Blob& b : blobs) {
                EXPECT_GT(b.area, 40) << "a pip is a speck";
                EXPECT_LT(b.area, 250) << "a pip is a blot";
                EXPECT_TRUE(b.x > 8 && b.x < 56 && b.y > 8 && b.y < 56) << "pip off the die";
            }
            EXPECT_TRUE(IsRealDieLayout(pips, Layout(blobs)));
        }
}

TEST(Pictures, HeldFacesDifferFromFreeOnesOnlyInColour) {
    Colour surround = PixelAt(LoadBitmapResource(IDB_DIE_FIRST), 0, 0);
    for (int pips = 1; pips <= 6; pips++) {
        SCOPED_TRACE("face " + std::to_string(pips));
        Bitmap free = LoadBitmapResource(IDB_DIE_FIRST + pips - 1);
        Bitmap held = LoadBitmapResource(IDB_DIE_FIRST + 6 + pips - 1);
        ASSERT_EQ(free.pixels.size(), held.pixels.size());
        std::vector<bool> freeMask = PipMask(free), heldMask = PipMask(held);
        size_t differ = 0;
        for (size_t i = 0; i < freeMask.size(); i++)
            differ += freeMask[i] != heldMask[i];
        EXPECT_LE(differ, freeMask.size() / 50) << "pip layouts differ";

        // Free: red pips on a warm cream die; held: blue pips on a cool lavender die.
        Colour freePip = MeanOf(free, freeMask), heldPip = MeanOf(held, heldMask);
        EXPECT_GT(freePip.r, freePip.b + 80);
        EXPECT_GT(heldPip.b, heldPip.r + 80);
        Colour freeBody = PixelAt(free, BODY_X, BODY_Y), heldBody = PixelAt(held, BODY_X, BODY_Y);
        EXPECT_TRUE(freeBody.r >= freeBody.g && freeBody.g > freeBody.b && freeBody.b > 150);
        EXPECT_TRUE(heldBody.b > heldBody.r && heldBody.b > heldBody.g && heldBody.g > 150);

        // The square around the rounded die is the same light neutral on every face, so the
        // strip of five looks even.
        for (const Bitmap* face : {&free, &held}) {
            Colour corner = PixelAt(*face, 0, 0);
            EXPECT_TRUE(corner.r == surround.r && corner.g == surround.g && corner.b == surround.b);
            EXPECT_LE(Saturation(corner), 16);
            EXPECT_GE(Luminance(corner), 200);
        }
    }
}

TEST(Pictures, BackgroundIsTexturedGreenFelt) {
    Bitmap bg = LoadBitmapResource(IDB_BACKGROUND);
    ASSERT_FALSE(bg.pixels.empty());
    double sum = 0, sumSquares = 0, r = 0, g = 0;
    for (const Colour& c : bg.pixels) {
        sum += Luminance(c);
        sumSquares += static_cast<double>(Luminance(c)) * Luminance(c);
        r += c.r;
        g += c.g;
    }
    double n = static_cast<double>(bg.pixels.size());
    double spread = std::sqrt(sumSquares / n - (sum / n) * (sum / n));
    EXPECT_GT(spread, 2.0) << "a flat colour";
    EXPECT_LT(spread, 40.0) << "too busy behind the score sheet";
    EXPECT_GT(g / n, r / n + 20) << "not green";
}

TEST(Pictures, LogoHasLightLetteringOnADarkerGround) {
    Bitmap logo = LoadBitmapResource(IDB_LOGO);
    ASSERT_FALSE(logo.pixels.empty());
    size_t light = 0, dark = 0;
    for (const Colour& c : logo.pixels) {
        light += Luminance(c) > 170;
        dark += Luminance(c) < 90;
    }
    EXPECT_GT(light, logo.pixels.size() / 50);
    EXPECT_LT(light, logo.pixels.size() / 3);
    EXPECT_GT(dark, logo.pixels.size() / 2);
}

TEST(Pictures, IconIsADieOnATransparentGround) {
    Bitmap icon = LoadBitmapResource(IDI_APP_ICON);
    ASSERT_EQ(icon.pixels.size(), 48u * 48u);
    for (auto [x, y] : {std::pair{0, 0}, {47, 0}, {0, 47}, {47, 47}})
        EXPECT_EQ(PixelAt(icon, x, y).a, 0) << x << "," << y;
    EXPECT_EQ(PixelAt(icon, 24, 24).a, 255);
    EXPECT_GE(Luminance(PixelAt(icon, 23, 13)), 160) << "no light die surface";
}
