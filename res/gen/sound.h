// Synthesised sound effects and their RIFF/WAVE encoding.
#pragma once
#include <cstdint>
#include <vector>

struct Sound {
    int rate = 0;
    std::vector<float> left, right; // -1..1
};

Sound MakeSilence(int rate, double seconds);

// The seven game sounds. Variants of one kind differ by seed.
Sound MakeFanfare();
Sound MakeRattle(uint64_t seed, double seconds);
Sound MakeCrossOutLong();
Sound MakeCrossOutShort();
Sound MakeChime();

// Removes DC, brings the loudness to the target RMS with peaks held below -1.5 dBFS by a
// smooth limiter, and fades both ends.
void Master(Sound& sound, double targetRmsDb);

struct Levels {
    double seconds, peakDb, rmsDb;
};
Levels Measure(const Sound& sound);

// 16-bit stereo PCM.
std::vector<uint8_t> EncodeWav(const Sound& sound);
