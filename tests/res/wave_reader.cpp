#include "tests/res/wave_reader.h"

namespace {

uint32_t Le(const unsigned char* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; i--)
        v = (v << 8) | p[i];
    return v;
}

bool Tag(const unsigned char* p, const char* tag) {
    return p[0] == tag[0] && p[1] == tag[1] && p[2] == tag[2] && p[3] == tag[3];
}

} // namespace

bool ReadWave(const unsigned char* data, size_t size, Wave* out, std::string* why) {
    if (size < 12 || !Tag(data, "RIFF") || !Tag(data + 8, "WAVE")) {
        *why = "no RIFF/WAVE header";
        return false;
    }
    if (Le(data + 4, 4) != size - 8) {
        *why = "RIFF size field disagrees with the resource size";
        return false;
    }
    bool haveFormat = false, haveData = false;
    size_t pos = 12;
    while (pos + 8 <= size) {
        uint32_t length = Le(data + pos + 4, 4);
        const unsigned char* body = data + pos + 8;
        if (length > size - pos - 8) {
            *why = "chunk runs past the end";
            return false;
        }
        if (Tag(data + pos, "fmt ")) {
            if (length < 16) {
                *why = "short fmt chunk";
                return false;
            }
            out->format = static_cast<int>(Le(body, 2));
            out->channels = static_cast<int>(Le(body + 2, 2));
            out->rate = static_cast<int>(Le(body + 4, 4));
            out->byteRate = static_cast<int>(Le(body + 8, 4));
            out->blockAlign = static_cast<int>(Le(body + 12, 2));
            out->bits = static_cast<int>(Le(body + 14, 2));
            haveFormat = true;
        } else if (Tag(data + pos, "data")) {
            if (!haveFormat) {
                *why = "data before fmt";
                return false;
            }
            out->samples.clear();
            for (uint32_t i = 0; i + 1 < length; i += 2)
                out->samples.push_back(static_cast<int16_t>(Le(body + i, 2)));
            haveData = true;
        }
        pos += 8 + length + (length & 1);
    }
    if (!haveFormat || !haveData) {
        *why = "fmt or data chunk missing";
        return false;
    }
    return true;
}
