// The pictures as the windows use them: sizes and depths the loaders expect, dice faces that
// show the right pips in the right places, and held faces that differ from free ones only in
// colour.
#include "res/resources.h"
#include "tests/res/bitmap_reader.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <vector>

namespace {

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

bool IsRealDieLayout(int pips, const Grid& grid) {
    const Grid corners{{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    auto with = [](Grid g, std::initializer_list<std::pair<int, int>> extra) {
        g.insert(extra);
        return g;
    };
    switch (pips) {
    case 1:
        return grid == Grid{{0, 0}};
    case 2:
        return grid == Grid{{1, -1}, {-1, 1}} || grid == Grid{{-1, -1}, {1, 1}};
    case 3:
        return grid == Grid{{1, -1}, {0, 0}, {-1, 1}} || grid == Grid{{-1, -1}, {0, 0}, {1, 1}};
    case 4:
        return grid == corners;
    case 5:
        return grid == with(corners, {{0, 0}});
    case 6:
        return grid == with(corners, {{-1, 0}, {1, 0}}) || grid == with(corners, {{0, -1}, {0, 1}});
    default:
        return false;
    }
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
