// The C runtime's generator taken from the system's C library, for the Windows build, whose
// rand() is the generator that the game was made for.
#include "core/random.h"
#include <cstdlib>

void crtSrand(uint32_t seed) {
    std::srand(seed);
}

int32_t crtRand() {
    return static_cast<int32_t>(std::rand() & 0x7fff);
}
