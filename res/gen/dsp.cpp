#include "res/gen/dsp.h"

#include <cmath>

double Pi() {
    return 3.14159265358979323846;
}

double Smooth01(double x) {
    x = x < 0 ? 0 : (x > 1 ? 1 : x);
    return x * x * (3 - 2 * x);
}

double Noise::Uniform() {
    state += 0x9e3779b97f4a7c15ull;
    uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / 9007199254740992.0;
}

double Noise::Signed() {
    return Uniform() * 2 - 1;
}

double Biquad::Process(double x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

namespace {

Biquad Normalised(double b0, double b1, double b2, double a0, double a1, double a2) {
    Biquad f;
    f.b0 = b0 / a0;
    f.b1 = b1 / a0;
    f.b2 = b2 / a0;
    f.a1 = a1 / a0;
    f.a2 = a2 / a0;
    return f;
}

} // namespace

Biquad BandPass(double rate, double centre, double q) {
    double w = 2 * Pi() * centre / rate;
    double alpha = std::sin(w) / (2 * q);
    return Normalised(alpha, 0, -alpha, 1 + alpha, -2 * std::cos(w), 1 - alpha);
}

Biquad LowPass(double rate, double cutoff, double q) {
    double w = 2 * Pi() * cutoff / rate;
    double alpha = std::sin(w) / (2 * q);
    double c = std::cos(w);
    return Normalised((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Pan(double position, double* left, double* right) {
    double angle = (position + 1) * Pi() / 4;
    *left = std::cos(angle);
    *right = std::sin(angle);
}
