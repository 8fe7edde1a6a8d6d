// Reads the RIFF/WAVE sounds the game carries, chunk by chunk as a player would.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    int blockAlign = 0;
    int byteRate = 0;
    std::vector<int16_t> samples; // interleaved
};

// False, with the reason, for anything but a well-formed RIFF/WAVE with fmt and data chunks.
bool ReadWave(const unsigned char* data, size_t size, Wave* out, std::string* why);
