#include "res/gen/dsp.h"
#include "res/gen/image.h"
#include "res/gen/sound.h"

#include <algorithm>
#include <cmath>

Sound MakeSilence(int rate, double seconds) {
    Sound s;
    s.rate = rate;
    size_t n = static_cast<size_t>(std::lround(rate * seconds));
    s.left.assign(n, 0.0f);
    s.right.assign(n, 0.0f);
    return s;
}

namespace {

const double CEILING_DB = -1.5;

double Rms(const Sound& s) {
    double sum = 0;
    for (size_t i = 0; i < s.left.size(); i++)
        sum += s.left[i] * s.left[i] + s.right[i] * s.right[i];
    return std::sqrt(sum / std::max<size_t>(1, 2 * s.left.size()));
}

void RemoveDc(std::vector<float>& channel, int rate) {
    // A gentle 20 Hz high-pass, then whatever offset remains.
    double r = std::exp(-2 * Pi() * 20.0 / rate);
    double prevIn = 0, prevOut = 0;
    for (float& v : channel) {
        double out = v - prevIn + r * prevOut;
        prevIn = v;
        prevOut = out;
        v = static_cast<float>(out);
    }
    double mean = 0;
    for (float v : channel)
        mean += v;
    mean /= std::max<size_t>(1, channel.size());
    for (float& v : channel)
        v = static_cast<float>(v - mean);
}

// Gain that never lets a sample pass the ceiling: instant where needed, eased on both sides.
void Limit(Sound& s, double ceiling) {
    size_t n = s.left.size();
    std::vector<double> need(n, 1.0);
    for (size_t i = 0; i < n; i++) {
        double level = std::max(std::fabs(s.left[i]), std::fabs(s.right[i]));
        if (level > ceiling)
            need[i] = ceiling / level;
    }
    double ease = 1.0 - std::exp(-1.0 / (0.006 * s.rate));
    std::vector<double> gain(n, 1.0);
    double g = 1.0;
    for (size_t i = 0; i < n; i++) {
        g = std::min(need[i], g + (1.0 - g) * ease);
        gain[i] = g;
    }
    g = 1.0;
    for (size_t i = n; i-- > 0;) {
        g = std::min(need[i], g + (1.0 - g) * ease);
        gain[i] = std::min(gain[i], g);
    }
    for (size_t i = 0; i < n; i++) {
        s.left[i] = static_cast<float>(s.left[i] * gain[i]);
        s.right[i] = static_cast<float>(s.right[i] * gain[i]);
    }
}

void Fade(Sound& s, double inSeconds, double outSeconds) {
    size_t n = s.left.size();
    size_t fadeIn = std::min(n, static_cast<size_t>(inSeconds * s.rate));
    size_t fadeOut = std::min(n, static_cast<size_t>(outSeconds * s.rate));
    for (size_t i = 0; i < fadeIn; i++) {
        float k = static_cast<float>(i) / fadeIn;
        s.left[i] *= k;
        s.right[i] *= k;
    }
    for (size_t i = 0; i < fadeOut; i++) {
        float k = static_cast<float>(i) / fadeOut;
        s.left[n - 1 - i] *= k;
        s.right[n - 1 - i] *= k;
    }
}

} // namespace

void Master(Sound& s, double targetRmsDb) {
    double target = std::pow(10.0, targetRmsDb / 20);
    double ceiling = std::pow(10.0, CEILING_DB / 20);
    for (int round = 0; round < 8; round++) {
        RemoveDc(s.left, s.rate);
        RemoveDc(s.right, s.rate);
        double rms = Rms(s);
        if (rms <= 0)
            return;
        double k = target / rms;
        for (size_t i = 0; i < s.left.size(); i++) {
            s.left[i] = static_cast<float>(s.left[i] * k);
            s.right[i] = static_cast<float>(s.right[i] * k);
        }
        Limit(s, ceiling);
    }
    // The limiter's uneven gain on one-sided clicks leaves a little offset; take it out last.
    RemoveDc(s.left, s.rate);
    RemoveDc(s.right, s.rate);
    Fade(s, 0.004, 0.050);
    Limit(s, ceiling);
}

Levels Measure(const Sound& s) {
    double peak = 0;
    for (size_t i = 0; i < s.left.size(); i++)
        peak = std::max({peak, static_cast<double>(std::fabs(s.left[i])),
                         static_cast<double>(std::fabs(s.right[i]))});
    return {static_cast<double>(s.left.size()) / s.rate, 20 * std::log10(peak + 1e-12),
            20 * std::log10(Rms(s) + 1e-12)};
}

namespace {

void PutTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; i++)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

int16_t ToSample(float v) {
    double scaled = std::lround(std::clamp(static_cast<double>(v), -1.0, 1.0) * 32767.0);
    return static_cast<int16_t>(scaled);
}

} // namespace

std::vector<uint8_t> EncodeWav(const Sound& s) {
    uint32_t frames = static_cast<uint32_t>(s.left.size());
    uint32_t dataBytes = frames * 4;
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 2);
    Put32(out, s.rate);
    Put32(out, s.rate * 4);
    Put16(out, 4);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (uint32_t i = 0; i < frames; i++) {
        Put16(out, static_cast<uint16_t>(ToSample(s.left[i])));
        Put16(out, static_cast<uint16_t>(ToSample(s.right[i])));
    }
    return out;
}
