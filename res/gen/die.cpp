#include "res/gen/die.h"

#include <cmath>

const DieLook FREE_DIE = {{0.972f, 0.937f, 0.835f}, {0.800f, 0.070f, 0.090f}};
const DieLook HELD_DIE = {{0.830f, 0.790f, 0.960f}, {0.120f, 0.190f, 0.720f}};

namespace {

// Pip centres on a die of edge 1 centred at 0, as on real dice (the two is a diagonal).
struct PipSpot {
    float x, y;
};

int PipSpots(int pips, PipSpot* spots) {
    const float a = 0.255f;
    int n = 0;
    auto add = [&](float x, float y) { spots[n++] = {x, y}; };
    if (pips % 2 == 1)
        add(0, 0);
    if (pips >= 2) {
        add(a, -a);
        add(-a, a);
    }
    if (pips >= 4) {
        add(-a, -a);
        add(a, a);
    }
    if (pips == 6) {
        add(-a, 0);
        add(a, 0);
    }
    return n;
}

// Signed distance to a rounded square of half edge h, negative inside; also the outward normal.
float RoundedBox(float x, float y, float h, float r, float* nx, float* ny) {
    float qx = std::fabs(x) - (h - r), qy = std::fabs(y) - (h - r);
    float ox = qx > 0 ? qx : 0, oy = qy > 0 ? qy : 0;
    float outside = std::sqrt(ox * ox + oy * oy);
    float inside = std::fmin(std::fmax(qx, qy), 0.0f);
    if (outside > 0) {
        *nx = std::copysign(ox / outside, x);
        *ny = std::copysign(oy / outside, y);
    } else if (qx > qy) {
        *nx = std::copysign(1.0f, x);
        *ny = 0;
    } else {
        *nx = 0;
        *ny = std::copysign(1.0f, y);
    }
    return outside + inside - r;
}

// Light falls from the upper left.
const float LIGHT_X = -0.7071f, LIGHT_Y = -0.7071f;

} // namespace

DieSample SampleDie(const DieLook& look, const DiePlacement& place, int pips, float x, float y) {
    float turn = place.degrees * 3.14159265f / 180.0f;
    float c = std::cos(turn), s = std::sin(turn);
    float dx = x - place.centreX, dy = y - place.centreY;
    // Into the die's own frame; the light stays fixed in the picture.
    float u = c * dx + s * dy, v = -s * dx + c * dy;
    float h = place.size / 2;
    float nx = 0, ny = 0;
    float d = RoundedBox(u, v, h, place.radius, &nx, &ny);
    float wx = c * nx - s * ny, wy = s * nx + c * ny;

    DieSample out{};
    float shadowOffset = place.size * 0.04f;
    float su = c * (dx - shadowOffset) + s * (dy - shadowOffset * 1.3f);
    float sv = -s * (dx - shadowOffset) + c * (dy - shadowOffset * 1.3f);
    float snx, sny;
    float sd = RoundedBox(su, sv, h, place.radius, &snx, &sny);
    out.shadow = 1.0f - Smoothstep(-place.size * 0.02f, place.size * 0.06f, sd);
    if (d > 0) {
        out.coverage = 0;
        return out;
    }
    out.coverage = 1;

    float depth = -d / place.size; // 0 at the rim
    float facing = wx * LIGHT_X + wy * LIGHT_Y;
    // A soft sheen across the whole top, lighter towards the light.
    float sheen = -(dx * LIGHT_X + dy * LIGHT_Y) / place.size; // about -0.7..0.7
    Rgb body = Mix(look.body, Rgb{1, 1, 1}, Clamp01(0.10f * (sheen + 0.2f)));
    body = Scale(body, 1.0f - 0.05f * Clamp01(-sheen));
    float bevel = 1.0f - Smoothstep(0.0f, 0.085f, depth);
    if (facing > 0)
        body = Mix(body, Rgb{1, 1, 1}, 0.75f * facing * bevel);
    else
        body = Scale(body, 1.0f + 0.34f * facing * bevel);
    // A fine darker rim keeps the outline crisp on a white table.
    body = Scale(body, 1.0f - 0.22f * (1.0f - Smoothstep(0.0f, 0.02f, depth)));

    PipSpot spots[6];
    int n = PipSpots(pips, spots);
    float pipRadius = place.size * 0.098f;
    for (int i = 0; i < n; i++) {
        float pu = u - spots[i].x * place.size, pv = v - spots[i].y * place.size;
        float dist = std::sqrt(pu * pu + pv * pv);
        if (dist > pipRadius)
            continue;
        // A hollow: the rim on the light's side lies in shade, the far rim catches light.
        float rx = dist > 0 ? pu / dist : 0, ry = dist > 0 ? pv / dist : 0;
        float rwx = c * rx - s * ry, rwy = s * rx + c * ry;
        float rim = Smoothstep(0.45f, 1.0f, dist / pipRadius);
        float toward = rwx * LIGHT_X + rwy * LIGHT_Y;
        Rgb pip = look.pip;
        if (toward > 0)
            pip = Scale(pip, 1.0f - 0.40f * toward * rim);
        else
            pip = Mix(pip, Rgb{1, 1, 1}, -0.18f * toward * rim);
        out.colour = pip;
        return out;
    }
    out.colour = body;
    return out;
}

void DrawDie(Picture& picture, const DieLook& look, const DiePlacement& place, int pips,
             float shadowOpacity) {
    const int grid = 4;
    bool withAlpha = !picture.alpha.empty();
    for (int y = 0; y < picture.height; y++)
        for (int x = 0; x < picture.width; x++) {
            Rgb& target = At(picture, x, y);
            float dieCover = 0, shadowCover = 0;
            Rgb die{0, 0, 0};
            for (int sy = 0; sy < grid; sy++)
                for (int sx = 0; sx < grid; sx++) {
                    DieSample sample = SampleDie(look, place, pips, x + (sx + 0.5f) / grid,
                                                 y + (sy + 0.5f) / grid);
                    dieCover += sample.coverage;
                    shadowCover += sample.shadow * (1 - sample.coverage);
                    die.r += sample.colour.r * sample.coverage;
                    die.g += sample.colour.g * sample.coverage;
                    die.b += sample.colour.b * sample.coverage;
                }
            const float samples = grid * grid;
            float shadow = shadowOpacity * shadowCover / samples;
            float cover = dieCover / samples;
            if (withAlpha) {
                // Straight alpha over a clear picture: the die's colour, else shadow grey.
                float a = cover + shadow;
                Rgb colour = dieCover > 0 ? Scale(die, 1.0f / dieCover) : Rgb{0.1f, 0.1f, 0.1f};
                if (a > 0)
                    target = Mix(Rgb{0.1f, 0.1f, 0.1f}, colour, cover / a);
                picture.alpha[static_cast<size_t>(y) * picture.width + x] = Clamp01(a);
                continue;
            }
            Rgb under = Scale(target, 1.0f - shadow);
            target = dieCover > 0 ? Mix(under, Scale(die, 1.0f / dieCover), cover) : under;
        }
}
