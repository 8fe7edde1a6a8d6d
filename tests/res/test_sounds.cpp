// The sounds as the playback sees them: plain 16-bit stereo PCM at the expected rates, of the
// expected lengths, audible, unclipped and free of clicks at either end.
#include "res/resources.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0, blockAlign = 0, byteRate = 0;
    std::vector<int16_t> samples; // interleaved
};

uint32_t Le(const unsigned char* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; i--)
        v = (v << 8) | p[i];
    return v;
}

bool Tag(const unsigned char* p, const char* tag) {
    return std::equal(p, p + 4, tag);
}

// The chunks as a player reads them; false, with the reason, for anything but a well-formed
// RIFF/WAVE with fmt and data chunks.
bool ReadWave(const unsigned char* data, size_t size, Wave* out, std::string* why) {
    auto fail = [why](const char* reason) {
        *why = reason;
        return false;
    };
    if (size < 12 || !Tag(data, "RIFF") || !Tag(data + 8, "WAVE"))
        return fail("no RIFF/WAVE header");
    if (Le(data + 4, 4) != size - 8)
        return fail("RIFF size field disagrees with the resource size");
    bool haveFormat = false, haveData = false;
    for (size_t pos = 12; pos + 8 <= size;) {
        const uint32_t length = Le(data + pos + 4, 4);
        const unsigned char* body = data + pos + 8;
        if (length > size - pos - 8)
            return fail("chunk runs past the end");
        if (Tag(data + pos, "fmt ")) {
            if (length < 16)
                return fail("short fmt chunk");
            out->format = static_cast<int>(Le(body, 2));
            out->channels = static_cast<int>(Le(body + 2, 2));
            out->rate = static_cast<int>(Le(body + 4, 4));
            out->byteRate = static_cast<int>(Le(body + 8, 4));
            out->blockAlign = static_cast<int>(Le(body + 12, 2));
            out->bits = static_cast<int>(Le(body + 14, 2));
            haveFormat = true;
        } else if (Tag(data + pos, "data")) {
            if (!haveFormat)
                return fail("data before fmt");
            out->samples.clear();
            for (uint32_t i = 0; i + 1 < length; i += 2)
                out->samples.push_back(static_cast<int16_t>(Le(body + i, 2)));
            haveData = true;
        }
        pos += 8 + length + (length & 1);
    }
    return haveFormat && haveData ? true : fail("fmt or data chunk missing");
}

struct Expect {
    int32_t id;
    int rate;
    double seconds;
};

const Expect SOUNDS[] = {
    {IDW_FIVE_ALIKE, 22050, 0.88},      {IDW_THROW_FIRST, 11025, 0.83},
    {IDW_THROW_FIRST + 1, 11025, 0.80}, {IDW_THROW_FIRST + 2, 11025, 0.80},
    {IDW_CROSS_OUT_FIRST, 22050, 0.88}, {IDW_CROSS_OUT_FIRST + 1, 22050, 0.50},
    {IDW_BONUS, 22050, 1.17},
};

double Db(double level) {
    return 20 * std::log10(level / 32768.0 + 1e-12);
}

} // namespace

TEST(Sounds, EveryWaveIsStereo16BitPcmOfItsRateAndLengthAtAComfortableLevel) {
    for (const Expect& e : SOUNDS) {
        SCOPED_TRACE("sound " + std::to_string(e.id));
        ResourceData res{};
        ASSERT_TRUE(FindResourceData(e.id, &res));
        Wave wave;
        std::string why;
        ASSERT_TRUE(ReadWave(res.data, res.size, &wave, &why)) << why;
        EXPECT_EQ(wave.format, 1);
        EXPECT_EQ(wave.channels, 2);
        EXPECT_EQ(wave.bits, 16);
        EXPECT_EQ(wave.rate, e.rate);
        EXPECT_EQ(wave.blockAlign, 4);
        EXPECT_EQ(wave.byteRate, e.rate * 4);
        ASSERT_EQ(wave.samples.size() % 2, 0u);
        ASSERT_GE(wave.samples.size(), 200u);
        const double frames = static_cast<double>(wave.samples.size() / 2);
        EXPECT_NEAR(frames / e.rate, e.seconds, e.seconds * 0.1);

        double peak = 0, squares = 0, sum[2] = {0, 0};
        for (size_t i = 0; i < wave.samples.size(); i++) {
            double v = wave.samples[i];
            peak = std::max(peak, std::fabs(v));
            squares += v * v;
            sum[i % 2] += v;
        }
        const double rms = std::sqrt(squares / wave.samples.size());
        EXPECT_LT(Db(peak), -1.0) << "no headroom, likely clipped";
        EXPECT_GT(Db(rms), -24.0) << "too quiet";
        EXPECT_LT(Db(rms), -10.0) << "too loud";
        for (int channel = 0; channel < 2; channel++)
            EXPECT_LT(std::fabs(sum[channel] / frames), 0.005 * 32768) << "DC offset";
        // Faded in and out: starting or stopping mid-wave would click.
        for (size_t i = 0; i < 4; i++) {
            EXPECT_LT(std::abs(wave.samples[i]), 330) << "abrupt start";
            EXPECT_LT(std::abs(wave.samples[wave.samples.size() - 1 - i]), 330) << "abrupt end";
        }
    }
    ResourceData none{};
    EXPECT_FALSE(FindResourceData(IDW_BONUS + 1, &none));
}

TEST(Sounds, TheThreeThrowSoundsAreDifferentRecordings) {
    ResourceData a{}, b{}, c{};
    ASSERT_TRUE(FindResourceData(IDW_THROW_FIRST, &a));
    ASSERT_TRUE(FindResourceData(IDW_THROW_FIRST + 1, &b));
    ASSERT_TRUE(FindResourceData(IDW_THROW_FIRST + 2, &c));
    auto same = [](ResourceData x, ResourceData y) {
        return x.size == y.size && std::equal(x.data, x.data + x.size, y.data);
    };
    EXPECT_FALSE(same(a, b));
    EXPECT_FALSE(same(b, c));
    EXPECT_FALSE(same(a, c));
}
