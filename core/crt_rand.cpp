// The C runtime's generator as the Microsoft C library has it, so that games replay the same on
// every platform. A build for Windows uses the system's own instead (crt_system.cpp).
#include "core/random.h"

static uint32_t crtState = 1;

void crtSrand(uint32_t seed) {
    crtState = seed;
}

int32_t crtRand() {
    crtState = crtState * 214013u + 2531011u;
    return static_cast<int32_t>((crtState >> 16) & 0x7fff);
}
