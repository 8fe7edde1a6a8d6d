#include "res/gen/dsp.h"
#include "res/gen/sound.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// Adds a mono voice into the stereo mix at a pan position.
void AddVoice(Sound& s, size_t start, const std::vector<double>& voice, double pan) {
    double l, r;
    Pan(pan, &l, &r);
    for (size_t i = 0; i < voice.size() && start + i < s.left.size(); i++) {
        s.left[start + i] += static_cast<float>(voice[i] * l);
        s.right[start + i] += static_cast<float>(voice[i] * r);
    }
}

size_t At(const Sound& s, double seconds) {
    return static_cast<size_t>(std::max(0.0, seconds) * s.rate);
}

// One die striking the table: a sharp click of the die's own ring and a dull knock of the board.
std::vector<double> Impact(int rate, Noise& noise, double strength) {
    size_t n = static_cast<size_t>(0.030 * rate);
    std::vector<double> out(n, 0.0);
    Biquad ringA = BandPass(rate, 1800 + 1800 * noise.Uniform(), 4 + 2 * noise.Uniform());
    Biquad ringB = BandPass(rate, 3200 + 1500 * noise.Uniform(), 5);
    double knockFreq = 150 + 200 * noise.Uniform();
    double clickTau = (0.0008 + 0.0012 * noise.Uniform()) * rate;
    double knockTau = 0.007 * rate;
    for (size_t i = 0; i < n; i++) {
        double burst = noise.Signed() * std::exp(-static_cast<double>(i) / clickTau);
        double ring = 2.2 * ringA.Process(burst) + 1.6 * ringB.Process(burst) + 0.5 * burst;
        double knock = 0.22 * std::sin(2 * Pi() * knockFreq * i / rate) *
                       std::exp(-static_cast<double>(i) / knockTau);
        out[i] = strength * (ring + knock);
    }
    return out;
}

// Band-limited sawtooth-like tone from the phase, with the harmonics weighted by brightness.
double Harmonics(double phase, double frequency, int rate, double brightness) {
    double sum = 0;
    for (int k = 1; k * frequency < rate * 0.42; k++)
        sum += std::sin(k * phase) * std::exp(-(k - 1) / brightness) / k;
    return sum;
}

} // namespace

Sound MakeRattle(uint64_t seed, double seconds) {
    const int rate = 11025;
    Sound s = MakeSilence(rate, seconds);
    Noise noise{seed};
    const double last = seconds - 0.06;
    // Five dice land one after another, each bouncing with ever shorter, weaker hops, and
    // then tip over a few times as it rolls to rest.
    for (int die = 0; die < 5; die++) {
        double t = 0.008 + 0.13 * noise.Uniform();
        double hop = 0.09 + 0.07 * noise.Uniform();
        double strength = 0.6 + 0.4 * noise.Uniform();
        double pan = 0.75 * noise.Signed();
        for (; hop > 0.02 && t < last; hop *= 0.62, strength *= 0.7) {
            AddVoice(s, At(s, t), Impact(rate, noise, strength), pan);
            t += hop * (0.85 + 0.3 * noise.Uniform());
        }
        strength *= 0.6;
        for (int tip = 2 + static_cast<int>(3 * noise.Uniform()); tip > 0 && t < last; tip--) {
            t += 0.03 + 0.05 * noise.Uniform();
            AddVoice(s, At(s, t), Impact(rate, noise, strength), pan);
            strength *= 0.7;
        }
    }
    // The first die lands as the fade-in ends: a throw is heard as soon as it is asked for.
    size_t first = 0;
    while (first < s.left.size() && s.left[first] == 0.0f && s.right[first] == 0.0f)
        first++;
    const size_t early = first - std::min(first, At(s, 0.004));
    for (std::vector<float>* channel : {&s.left, &s.right}) {
        std::copy(channel->begin() + static_cast<std::ptrdiff_t>(early), channel->end(),
                  channel->begin());
        std::fill(channel->end() - static_cast<std::ptrdiff_t>(early), channel->end(), 0.0f);
    }
    Master(s, -16.0);
    return s;
}

Sound MakeFanfare() {
    const int rate = 22050;
    Sound s = MakeSilence(rate, 0.88);
    struct Note {
        double start, end, frequency, pan, level;
    };
    // A rising major arpeggio, ending on a held chord.
    const Note notes[] = {
        {0.00, 0.125, 392.00, -0.3, 0.55}, {0.11, 0.235, 523.25, 0.3, 0.55},
        {0.22, 0.345, 659.26, -0.2, 0.55}, {0.33, 0.86, 783.99, 0.1, 0.40},
        {0.33, 0.86, 523.25, -0.5, 0.22},  {0.33, 0.86, 659.26, 0.5, 0.22},
        {0.33, 0.86, 392.00, 0.0, 0.22},
    };
    for (const Note& note : notes) {
        size_t n = At(s, note.end - note.start);
        std::vector<double> voice(n);
        double phase = 0;
        for (size_t i = 0; i < n; i++) {
            double t = static_cast<double>(i) / rate;
            double left = note.end - note.start - t;
            // Brass: the tone brightens as the lips buzz up, scoops into pitch, then settles.
            double attack = Smooth01(t / 0.018);
            double brightness = 1.2 + 3.5 * attack - 1.0 * Smooth01((t - 0.05) / 0.2);
            double scoop = 1.0 - 0.015 * (1.0 - Smooth01(t / 0.04));
            double vibrato =
                1.0 + 0.004 * Smooth01((t - 0.15) / 0.1) * std::sin(2 * Pi() * 5.5 * t);
            phase += 2 * Pi() * note.frequency * scoop * vibrato / rate;
            double envelope =
                attack * std::min(1.0, left / 0.025) * (1.0 - 0.25 * Smooth01(t / 0.4));
            voice[i] = note.level * envelope * Harmonics(phase, note.frequency, rate, brightness);
        }
        AddVoice(s, At(s, note.start), voice, note.pan);
    }
    Master(s, -15.0);
    return s;
}

Sound MakeChime() {
    const int rate = 22050;
    Sound s = MakeSilence(rate, 1.17);
    struct Partial {
        double ratio, amplitude, decay;
    };
    // A small tuned bell: strong fundamental and octave, the bar's inharmonic overtones above.
    const Partial partials[] = {
        {1.000, 1.00, 0.36}, {1.003, 0.45, 0.40}, {2.000, 0.35, 0.22},
        {2.756, 0.22, 0.12}, {5.404, 0.10, 0.05}, {0.500, 0.12, 0.30},
    };
    struct Strike {
        double start, frequency, strength, pan;
    };
    const Strike strikes[] = {
        {0.00, 1046.50, 0.80, -0.4},
        {0.10, 1318.51, 0.85, 0.0},
        {0.20, 1567.98, 0.90, 0.4},
        {0.32, 2093.00, 0.70, 0.0},
    };
    for (const Strike& strike : strikes) {
        size_t n = s.left.size() - At(s, strike.start);
        std::vector<double> voice(n, 0.0);
        for (const Partial& p : partials) {
            double f = strike.frequency * p.ratio;
            if (f > rate * 0.45)
                continue;
            for (size_t i = 0; i < n; i++) {
                double t = static_cast<double>(i) / rate;
                voice[i] += strike.strength * p.amplitude * std::sin(2 * Pi() * f * t) *
                            std::exp(-t / p.decay) * Smooth01(t / 0.002);
            }
        }
        AddVoice(s, At(s, strike.start), voice, strike.pan);
    }
    Master(s, -15.0);
    return s;
}

namespace {

// A buzzing tone that slides from one pitch to another, its edge dulling as it falls.
std::vector<double> Slide(int rate, double seconds, double from, double to, double roughness) {
    size_t n = static_cast<size_t>(seconds * rate);
    std::vector<double> out(n);
    double phase = 0;
    for (size_t i = 0; i < n; i++) {
        double t = static_cast<double>(i) / n;
        double f = from * std::pow(to / from, t);
        double flutter = 1.0 + roughness * std::sin(2 * Pi() * 23.0 * i / rate);
        phase += 2 * Pi() * f * flutter / rate;
        double envelope =
            Smooth01(t * seconds / 0.015) * Smooth01((1.0 - t) * seconds / 0.08) * (1.0 - 0.6 * t);
        out[i] = envelope * Harmonics(phase, f, rate, 6.0 - 3.0 * t);
    }
    return out;
}

// A pen stroke across paper: noise through a resonance that sweeps down.
std::vector<double> Scratch(int rate, Noise& noise, double seconds, double from, double to) {
    size_t n = static_cast<size_t>(seconds * rate);
    std::vector<double> out(n);
    Biquad band = BandPass(rate, from, 3);
    for (size_t i = 0; i < n; i++) {
        double t = static_cast<double>(i) / n;
        if (i % 64 == 0)
            band = [&] {
                Biquad next = BandPass(rate, from * std::pow(to / from, t), 3);
                next.x1 = band.x1, next.x2 = band.x2, next.y1 = band.y1, next.y2 = band.y2;
                return next;
            }();
        double grain = 0.6 + 0.4 * std::sin(2 * Pi() * 41.0 * i / rate);
        out[i] = band.Process(noise.Signed()) * grain * std::sin(Pi() * t);
    }
    return out;
}

} // namespace

Sound MakeCrossOutLong() {
    const int rate = 22050;
    Sound s = MakeSilence(rate, 0.88);
    Noise noise{2405};
    // Two quick strokes through the row, then a falling grumble.
    AddVoice(s, At(s, 0.00), Scratch(rate, noise, 0.20, 3200, 1800), -0.35);
    AddVoice(s, At(s, 0.22), Scratch(rate, noise, 0.20, 3000, 1600), 0.35);
    std::vector<double> buzz = Slide(rate, 0.62, 240, 85, 0.06);
    for (double& v : buzz)
        v *= 0.55;
    AddVoice(s, At(s, 0.24), buzz, 0.0);
    Master(s, -15.0);
    return s;
}

Sound MakeCrossOutShort() {
    const int rate = 22050;
    Sound s = MakeSilence(rate, 0.50);
    // "Uh-oh": a short note and a lower one that sags away.
    AddVoice(s, At(s, 0.00), Slide(rate, 0.17, 233, 220, 0.02), -0.15);
    AddVoice(s, At(s, 0.19), Slide(rate, 0.31, 175, 120, 0.05), 0.15);
    Master(s, -15.0);
    return s;
}
