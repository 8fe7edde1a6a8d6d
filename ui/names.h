// Initials as they can be shown, whatever bytes a name holds.
#pragma once
#include <cstdint>

// At most `capacity` bytes up to the terminator, each byte that the font has no sign for (a
// control byte) as "?". `out` takes capacity + 1 bytes; returns the length.
int32_t ShowableName(const char* name, int32_t capacity, char* out);
