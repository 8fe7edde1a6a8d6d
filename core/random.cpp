#include "core/random.h"
#include "core/settings.h"
#include <ctime>

IsaacGenerator isaac;

// clang-format off
#define ISAAC_MIX(a, b, c, d, e, f, g, h)                                                          \
    do {                                                                                           \
        a ^= b << 11; d += a; b += c;                                                              \
        b ^= c >> 2;  e += b; c += d;                                                              \
        c ^= d << 8;  f += c; d += e;                                                              \
        d ^= e >> 16; g += d; e += f;                                                              \
        e ^= f << 10; h += e; f += g;                                                              \
        f ^= g >> 4;  a += f; g += h;                                                              \
        g ^= h << 8;  b += g; h += a;                                                              \
        h ^= a >> 9;  c += h; a += b;                                                              \
    } while (0)
// clang-format on

void isaacBlock(IsaacGenerator& g) {
    uint32_t* m = g.memory;
    uint32_t* r = g.result;
    uint32_t a = g.a;
    uint32_t b = g.b + (++g.c);
    // The reference's four shifts, one per word in turn, unrolled so that no switch runs per word.
    const auto step = [&](uint32_t i, uint32_t mixed) {
        const uint32_t x = m[i];
        a = mixed + m[(i + 128) & 255];
        const uint32_t y = m[(x >> 2) & 255] + a + b;
        m[i] = y;
        b = m[(y >> 10) & 255] + x;
        r[i] = b;
    };
    for (uint32_t i = 0; i < 256; i += 4) {
        step(i, a ^ (a << 13));
        step(i + 1, a ^ (a >> 6));
        step(i + 2, a ^ (a << 2));
        step(i + 3, a ^ (a >> 16));
    }
    g.a = a;
    g.b = b;
}

// One pass of the seeded initialisation; the mixing words stay in registers throughout.
static void isaacPass(uint32_t* m, const uint32_t* src, uint32_t v[8]) {
    uint32_t a = v[0], b = v[1], c = v[2], d = v[3], e = v[4], f = v[5], g = v[6], h = v[7];
    for (int i = 0; i < 256; i += 8) {
        a += src[i];
        b += src[i + 1];
        c += src[i + 2];
        d += src[i + 3];
        e += src[i + 4];
        f += src[i + 5];
        g += src[i + 6];
        h += src[i + 7];
        ISAAC_MIX(a, b, c, d, e, f, g, h);
        m[i] = a;
        m[i + 1] = b;
        m[i + 2] = c;
        m[i + 3] = d;
        m[i + 4] = e;
        m[i + 5] = f;
        m[i + 6] = g;
        m[i + 7] = h;
    }
    v[0] = a;
    v[1] = b;
    v[2] = c;
    v[3] = d;
    v[4] = e;
    v[5] = f;
    v[6] = g;
    v[7] = h;
}

void isaacInit(IsaacGenerator& g, bool useSeed) {
    g.a = g.b = g.c = 0;
    uint32_t v[8];
    for (uint32_t& x : v)
        x = 0x9e3779b9u;
    for (int i = 0; i < 4; i++)
        ISAAC_MIX(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    if (useSeed) {
        isaacPass(g.memory, g.result, v);
        isaacPass(g.memory, g.memory, v);
    } else {
        for (int i = 0; i < 256; i += 8) {
            ISAAC_MIX(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
            for (int j = 0; j < 8; j++)
                g.memory[i + j] = v[j];
        }
    }
    isaacBlock(g);
    g.count = 256;
}

uint32_t isaacNext(IsaacGenerator& g) {
    if (g.count-- == 0) {
        isaacBlock(g);
        g.count = 255;
    }
    return g.result[g.count];
}

static uint32_t systemTime() {
    return static_cast<uint32_t>(std::time(nullptr));
}
uint32_t (*calendarTime)() = systemTime;

void seedIsaacFromTime() {
    const uint32_t t = calendarTime();
    for (uint32_t& w : isaac.result)
        w = t;
    isaacInit(isaac, true);
}

void seedRandom() {
    seedIsaacFromTime();
    if (SettingOn(&Settings::altDice))
        crtSrand(static_cast<uint32_t>(randomIsaac(0, 32767)));
}

// The formula sends the single largest raw value to hi + 1; it is brought back to hi. Worked in
// 64 bits so that no range overflows; the result never leaves lo..hi.
static int32_t scale(double unit, int32_t lo, int32_t hi) {
    if (hi < lo)
        return lo;
    const int64_t span = static_cast<int64_t>(hi) + 1;
    const int64_t v = lo + static_cast<int64_t>(unit * static_cast<double>(span));
    return static_cast<int32_t>(v > hi ? hi : v);
}

int32_t randomIsaac(int32_t lo, int32_t hi) {
    return scale(isaacNext(isaac) / 4294967295.0, lo, hi);
}

int32_t randomCrt(int32_t lo, int32_t hi) {
    return scale(crtRand() / 32767.0, lo, hi);
}
