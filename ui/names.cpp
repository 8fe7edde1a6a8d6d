#include "ui/names.h"
#include <cstring>

int32_t ShowableName(const char* name, int32_t capacity, char* out) {
    // Never read past the field: a name from "h_score" may fill it without a terminator.
    const auto n = static_cast<int32_t>(strnlen(name, static_cast<size_t>(capacity)));
    for (int32_t i = 0; i < n; i++) {
        const auto b = static_cast<uint8_t>(name[i]);
        // Control bytes, and the five bytes that Windows-1252 leaves unassigned.
        const bool blank =
            b < 0x20 || b == 0x7f || b == 0x81 || b == 0x8d || b == 0x8f || b == 0x90 || b == 0x9d;
        out[i] = blank ? '?' : name[i];
    }
    out[n] = 0;
    return n;
}
