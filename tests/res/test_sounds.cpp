// The sounds as the playback sees them: plain 16-bit stereo PCM at the expected rates, of the
// expected lengths, audible, unclipped and free of clicks at either end.
#include "res/resources.h"
#include "tests/res/wave_reader.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

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

TEST(Sounds, EverySoundIsStereo16BitPcmOfTheExpectedRateAndLength) {
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
        double seconds = static_cast<double>(wave.samples.size() / 2) / e.rate;
        EXPECT_NEAR(seconds, e.seconds, e.seconds * 0.1);
    }
    ResourceData none{};
    EXPECT_FALSE(FindResourceData(IDW_BONUS + 1, &none));
}

TEST(Sounds, LevelsAreComfortableWithoutClippingOrClicks) {
    for (const Expect& e : SOUNDS) {
        SCOPED_TRACE("sound " + std::to_string(e.id));
        ResourceData res{};
        ASSERT_TRUE(FindResourceData(e.id, &res));
        Wave wave;
        std::string why;
        ASSERT_TRUE(ReadWave(res.data, res.size, &wave, &why)) << why;
        ASSERT_GE(wave.samples.size(), 200u);
        double peak = 0, squares = 0, sum[2] = {0, 0};
        for (size_t i = 0; i < wave.samples.size(); i++) {
            double v = wave.samples[i];
            peak = std::max(peak, std::fabs(v));
            squares += v * v;
            sum[i % 2] += v;
        }
        double frames = static_cast<double>(wave.samples.size() / 2);
        double rms = std::sqrt(squares / wave.samples.size());
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

TEST(Sounds, ReaderRejectsDamagedWaves) {
    ResourceData res{};
    ASSERT_TRUE(FindResourceData(IDW_BONUS, &res));
    std::vector<unsigned char> bytes(res.data, res.data + res.size);
    Wave wave;
    std::string why;
    // Cut short: the RIFF size no longer matches, and a data chunk would run past the end.
    EXPECT_FALSE(ReadWave(bytes.data(), bytes.size() - 100, &wave, &why));
    std::vector<unsigned char> wrongTag = bytes;
    wrongTag[8] = 'X';
    EXPECT_FALSE(ReadWave(wrongTag.data(), wrongTag.size(), &wave, &why));
    EXPECT_FALSE(ReadWave(bytes.data(), 8, &wave, &why));
}
