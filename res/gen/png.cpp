// PNG with stored (uncompressed) deflate blocks: every reader takes it, and it needs nothing
// beyond these few lines. The icons it is for are small enough that size does not matter.
#include "res/gen/image.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; i++) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; bit++)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

uint32_t Adler32(const std::vector<uint8_t>& data) {
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

// PNG's numbers are big-endian, unlike the BMP and WAVE headers.
void PutBig32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back((v >> shift) & 0xff);
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
    PutBig32(out, static_cast<uint32_t>(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBig32(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored blocks, each at most 65535 bytes.
std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out{0x78, 0x01};
    size_t at = 0;
    do {
        size_t length = std::min<size_t>(raw.size() - at, 65535);
        bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);
        Put16(out, static_cast<uint32_t>(length));
        Put16(out, static_cast<uint32_t>(~length & 0xffff));
        out.insert(out.end(), raw.begin() + at, raw.begin() + at + length);
        at += length;
    } while (at < raw.size());
    PutBig32(out, Adler32(raw));
    return out;
}

uint8_t Byte(float v) {
    return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f));
}

} // namespace

std::vector<uint8_t> EncodePng(const Picture& picture) {
    bool withAlpha = !picture.alpha.empty();
    std::vector<uint8_t> header;
    PutBig32(header, picture.width);
    PutBig32(header, picture.height);
    header.insert(header.end(), {8, static_cast<uint8_t>(withAlpha ? 6 : 2), 0, 0, 0});

    std::vector<uint8_t> raw; // each row: filter type 0, then the pixels top-down
    for (int y = 0; y < picture.height; y++) {
        raw.push_back(0);
        for (int x = 0; x < picture.width; x++) {
            size_t i = static_cast<size_t>(y) * picture.width + x;
            raw.insert(raw.end(), {Byte(picture.pixels[i].r), Byte(picture.pixels[i].g),
                                   Byte(picture.pixels[i].b)});
            if (withAlpha)
                raw.push_back(Byte(picture.alpha[i]));
        }
    }
    std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", StoredZlib(raw));
    PutChunk(out, "IEND", {});
    return out;
}
