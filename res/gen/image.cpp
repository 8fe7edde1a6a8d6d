#include "res/gen/image.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>

Picture MakePicture(int width, int height, Rgb fill) {
    Picture p;
    p.width = width;
    p.height = height;
    p.pixels.assign(static_cast<size_t>(width) * height, fill);
    return p;
}

Rgb& At(Picture& picture, int x, int y) {
    return picture.pixels[static_cast<size_t>(y) * picture.width + x];
}

Rgb Mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, float k) {
    return {c.r * k, c.g * k, c.b * k};
}

float Clamp01(float v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

float Smoothstep(float edge0, float edge1, float x) {
    float t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

void Stamp(Picture& picture, const Mask& mask, int left, int top, Rgb colour, float opacity) {
    for (int y = 0; y < mask.height; y++)
        for (int x = 0; x < mask.width; x++) {
            int px = left + x, py = top + y;
            if (px < 0 || py < 0 || px >= picture.width || py >= picture.height)
                continue;
            float a = mask.values[static_cast<size_t>(y) * mask.width + x] / 255.0f * opacity;
            if (a > 0)
                At(picture, px, py) = Mix(At(picture, px, py), colour, a);
        }
}

namespace {

using Colour8 = std::array<int, 3>;

uint8_t ToByte(float v) {
    return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f));
}

Colour8 ToColour8(Rgb c) {
    return {ToByte(c.r), ToByte(c.g), ToByte(c.b)};
}

// File header and BITMAPINFOHEADER for a bottom-up BI_RGB picture.
std::vector<uint8_t> BmpHeaders(int width, int height, int bits, uint32_t paletteEntries) {
    uint32_t stride = (static_cast<uint32_t>(width) * bits / 8 + 3) & ~3u;
    uint32_t imageSize = stride * height;
    uint32_t offset = 14 + 40 + paletteEntries * 4;
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, 0); // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, paletteEntries);
    Put32(out, 0);
    return out;
}

struct Weighted {
    Colour8 colour;
    int count;
};

int Distance2(const Colour8& a, const Colour8& b) {
    int dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
    // Green weighs most for the eye; keeps the ramps of the shading smooth.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

Colour8 WeightedMean(const std::vector<Weighted>& items, size_t begin, size_t end) {
    double sum[3] = {0, 0, 0};
    double total = 0;
    for (size_t i = begin; i < end; i++) {
        for (int c = 0; c < 3; c++)
            sum[c] += items[i].colour[c] * static_cast<double>(items[i].count);
        total += items[i].count;
    }
    Colour8 mean;
    for (int c = 0; c < 3; c++)
        mean[c] = static_cast<int>(std::lround(sum[c] / total));
    return mean;
}

// Median cut over the distinct colours, then a few rounds of k-means to settle the palette.
std::vector<Colour8> ChoosePalette(std::vector<Weighted> items) {
    if (items.size() <= 256) {
        std::vector<Colour8> palette;
        for (const auto& w : items)
            palette.push_back(w.colour);
        return palette;
    }
    struct Box {
        size_t begin, end;
    };
    std::vector<Box> boxes{{0, items.size()}};
    auto range = [&](const Box& b, int* axis) {
        int best = -1;
        for (int c = 0; c < 3; c++) {
            int lo = 255, hi = 0;
            for (size_t i = b.begin; i < b.end; i++) {
                lo = std::min(lo, items[i].colour[c]);
                hi = std::max(hi, items[i].colour[c]);
            }
            if (hi - lo > best) {
                best = hi - lo;
                *axis = c;
            }
        }
        return best;
    };
    while (boxes.size() < 256) {
        size_t pick = boxes.size();
        int pickRange = 0, pickAxis = 0;
        for (size_t k = 0; k < boxes.size(); k++) {
            int axis = 0;
            int r = boxes[k].end - boxes[k].begin > 1 ? range(boxes[k], &axis) : 0;
            if (r > pickRange) {
                pick = k;
                pickRange = r;
                pickAxis = axis;
            }
        }
        if (pick == boxes.size())
            break;
        Box b = boxes[pick];
        std::sort(items.begin() + b.begin, items.begin() + b.end,
                  [&](const Weighted& x, const Weighted& y) {
                      return x.colour[pickAxis] < y.colour[pickAxis];
                  });
        long total = 0;
        for (size_t i = b.begin; i < b.end; i++)
            total += items[i].count;
        long seen = 0;
        size_t cut = b.begin + 1;
        for (size_t i = b.begin; i < b.end - 1; i++) {
            seen += items[i].count;
            cut = i + 1;
            if (seen * 2 >= total)
                break;
        }
        boxes[pick] = {b.begin, cut};
        boxes.push_back({cut, b.end});
    }
    std::vector<Colour8> palette;
    for (const auto& b : boxes)
        palette.push_back(WeightedMean(items, b.begin, b.end));
    for (int round = 0; round < 6; round++) {
        std::vector<std::array<double, 4>> sums(palette.size(), {0, 0, 0, 0});
        for (const auto& w : items) {
            size_t best = 0;
            for (size_t k = 1; k < palette.size(); k++)
                if (Distance2(w.colour, palette[k]) < Distance2(w.colour, palette[best]))
                    best = k;
            for (int c = 0; c < 3; c++)
                sums[best][c] += w.colour[c] * static_cast<double>(w.count);
            sums[best][3] += w.count;
        }
        for (size_t k = 0; k < palette.size(); k++)
            if (sums[k][3] > 0)
                for (int c = 0; c < 3; c++)
                    palette[k][c] = static_cast<int>(std::lround(sums[k][c] / sums[k][3]));
    }
    return palette;
}

} // namespace

std::vector<uint8_t> EncodePaletteBmp(const Picture& picture) {
    std::map<Colour8, int> counts;
    for (const Rgb& c : picture.pixels)
        counts[ToColour8(c)]++;
    std::vector<Weighted> items;
    for (const auto& [colour, count] : counts)
        items.push_back({colour, count});
    std::vector<Colour8> palette = ChoosePalette(items);

    std::vector<uint8_t> out = BmpHeaders(picture.width, picture.height, 8, 256);
    for (size_t k = 0; k < 256; k++) {
        Colour8 c = k < palette.size() ? palette[k] : Colour8{0, 0, 0};
        out.push_back(c[2]);
        out.push_back(c[1]);
        out.push_back(c[0]);
        out.push_back(0);
    }
    std::map<Colour8, uint8_t> lookup;
    for (const auto& [colour, count] : counts) {
        size_t best = 0;
        for (size_t k = 1; k < palette.size(); k++)
            if (Distance2(colour, palette[k]) < Distance2(colour, palette[best]))
                best = k;
        lookup[colour] = static_cast<uint8_t>(best);
    }
    int stride = (picture.width + 3) & ~3;
    for (int y = picture.height - 1; y >= 0; y--) {
        for (int x = 0; x < stride; x++)
            out.push_back(
                x < picture.width
                    ? lookup[ToColour8(picture.pixels[static_cast<size_t>(y) * picture.width + x])]
                    : 0);
    }
    return out;
}

std::vector<uint8_t> EncodeTrueColourBmp(const Picture& picture) {
    std::vector<uint8_t> out = BmpHeaders(picture.width, picture.height, 24, 0);
    int rowBytes = picture.width * 3;
    int stride = (rowBytes + 3) & ~3;
    for (int y = picture.height - 1; y >= 0; y--) {
        for (int x = 0; x < picture.width; x++) {
            Colour8 c = ToColour8(picture.pixels[static_cast<size_t>(y) * picture.width + x]);
            out.push_back(c[2]);
            out.push_back(c[1]);
            out.push_back(c[0]);
        }
        for (int pad = rowBytes; pad < stride; pad++)
            out.push_back(0);
    }
    return out;
}

std::vector<uint8_t> EncodeAlphaBmp(const Picture& picture) {
    std::vector<uint8_t> out = BmpHeaders(picture.width, picture.height, 32, 0);
    for (int y = picture.height - 1; y >= 0; y--)
        for (int x = 0; x < picture.width; x++) {
            size_t i = static_cast<size_t>(y) * picture.width + x;
            Colour8 c = ToColour8(picture.pixels[i]);
            out.push_back(c[2]);
            out.push_back(c[1]);
            out.push_back(c[0]);
            out.push_back(picture.alpha.empty() ? 255 : ToByte(picture.alpha[i]));
        }
    return out;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "resgen: cannot write %s\n", path.c_str());
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool RenderText(const std::string& text, const std::string& font, int pointSize, Mask* out) {
    for (char c : text)
        if (c == '\'' || c == '\\' || c == '@' || c == '%')
            return false; // keep the shell command and ImageMagick's escapes out of it
    std::string command = "convert -background black -fill white -font '" + font + "' -pointsize " +
                          std::to_string(pointSize) + " label:'" + text + "' -depth 8 pgm:-";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return false;
    int width = 0, height = 0, maxValue = 0;
    bool ok = std::fscanf(pipe, "P5 %d %d %d", &width, &height, &maxValue) == 3 && width > 0 &&
              height > 0 && maxValue == 255 && std::fgetc(pipe) != EOF;
    if (ok) {
        out->width = width;
        out->height = height;
        out->values.resize(static_cast<size_t>(width) * height);
        ok = std::fread(out->values.data(), 1, out->values.size(), pipe) == out->values.size();
    }
    return pclose(pipe) == 0 && ok;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(v & 0xff);
    out.push_back((v >> 8) & 0xff);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}
