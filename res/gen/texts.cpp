#include "res/gen/texts.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

// Code points that Windows-1252 keeps in 0x80..0x9f.
struct Special {
    uint32_t codePoint;
    unsigned char byte;
};
const Special SPECIALS[] = {
    {0x20ac, 0x80}, {0x201a, 0x82}, {0x0192, 0x83}, {0x201e, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
    {0x2021, 0x87}, {0x02c6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8a}, {0x2039, 0x8b}, {0x0152, 0x8c},
    {0x017d, 0x8e}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201c, 0x93}, {0x201d, 0x94}, {0x2022, 0x95},
    {0x2013, 0x96}, {0x2014, 0x97}, {0x02dc, 0x98}, {0x2122, 0x99}, {0x0161, 0x9a}, {0x203a, 0x9b},
    {0x0153, 0x9c}, {0x017e, 0x9e}, {0x0178, 0x9f},
};

bool Encode(uint32_t cp, std::string* out) {
    if (cp < 0x80 || (cp >= 0xa0 && cp <= 0xff)) {
        out->push_back(static_cast<char>(cp));
        return true;
    }
    for (const Special& s : SPECIALS)
        if (s.codePoint == cp) {
            out->push_back(static_cast<char>(s.byte));
            return true;
        }
    return false;
}

} // namespace

bool ToWindows1252(const std::string& utf8, bool crlf, std::string* out, size_t* badOffset) {
    out->clear();
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : -1;
        uint32_t cp = extra == 1 ? lead & 0x1f : extra == 2 ? lead & 0x0f : lead;
        bool ok = extra >= 0 && i + extra < utf8.size();
        for (int k = 1; ok && k <= extra; k++) {
            unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            ok = (next >> 6) == 2;
            cp = (cp << 6) | (next & 0x3f);
        }
        if (!ok || (extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800)) {
            *badOffset = i;
            return false;
        }
        if (cp == '\r') {
            i++;
            continue; // line ends are rebuilt below
        }
        if (cp == '\n' && crlf)
            out->push_back('\r');
        if (!Encode(cp, out)) {
            *badOffset = i;
            return false;
        }
        i += extra + 1;
    }
    return true;
}

bool ConvertTextFile(const std::string& source, const std::string& target, bool crlf) {
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "resgen: cannot read %s\n", source.c_str());
        return false;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string converted;
    size_t bad = 0;
    if (!ToWindows1252(text, crlf, &converted, &bad)) {
        std::fprintf(stderr, "resgen: %s: no Windows-1252 form for the text at byte %zu\n",
                     source.c_str(), bad);
        return false;
    }
    std::ofstream result(target, std::ios::binary);
    result << converted;
    return static_cast<bool>(result);
}
