// The one place where the game's Windows-1252 text meets the toolkit's Unicode.
#include "platform/wx/text.h"
#include <cstring>

namespace {

// 0x80..0x9F; the five unassigned bytes keep their C1 code points so that they round-trip.
const wchar_t HIGH_CONTROLS[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

wchar_t DecodeByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F)
        return HIGH_CONTROLS[b - 0x80];
    return static_cast<wchar_t>(b);
}

char EncodeChar(wxUniChar c) {
    const unsigned long v = c.GetValue();
    if (v < 0x80 || (v >= 0xA0 && v <= 0xFF))
        return static_cast<char>(v);
    for (int i = 0; i < 32; i++) {
        if (static_cast<unsigned long>(HIGH_CONTROLS[i]) == v)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

wxString FromWindows1252(const char* text, int32_t length) {
    wxString out;
    if (text == nullptr)
        return out;
    const size_t n = length < 0 ? std::strlen(text) : static_cast<size_t>(length);
    out.reserve(n);
    for (size_t i = 0; i < n; i++)
        out += DecodeByte(static_cast<unsigned char>(text[i]));
    return out;
}

std::string ToWindows1252(const wxString& text) {
    std::string out;
    out.reserve(text.length());
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it)
        out += EncodeChar(*it);
    return out;
}
