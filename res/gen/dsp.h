// Small signal-processing pieces for the sound generator.
#pragma once
#include <cstdint>

// Deterministic noise, so regenerating gives the same files.
struct Noise {
    uint64_t state;
    double Uniform(); // 0..1
    double Signed();  // -1..1
};

// RBJ biquad; run Process per sample.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double Process(double x);
};

Biquad BandPass(double rate, double centre, double q);
Biquad LowPass(double rate, double cutoff, double q);

double Pi();
// Smoothstep of x clamped to 0..1.
double Smooth01(double x);
// Equal-power pan: position -1 (left) .. 1 (right).
void Pan(double position, double* left, double* right);
