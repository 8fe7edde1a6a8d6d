// The two random sources: ISAAC, which the program carries, and the C runtime's generator, which
// serves "&Alt tärning" and the sounds' variants. Both give integers in a range the same way.
#pragma once
#include <cstdint>

struct IsaacGenerator {
    uint32_t count;
    uint32_t result[256];
    uint32_t memory[256];
    uint32_t a, b, c;
};

extern IsaacGenerator isaac;

// The published reference form: seed from `result` when `useSeed`, else from zero.
void isaacInit(IsaacGenerator& g, bool useSeed);
void isaacBlock(IsaacGenerator& g);
uint32_t isaacNext(IsaacGenerator& g);

// The C runtime's generator: values 0 to 32767, state 1 until seeded.
void crtSrand(uint32_t seed);
int32_t crtRand();

// The calendar time, replaceable so that a run can be reproduced.
extern uint32_t (*calendarTime)();

void seedIsaacFromTime();
void seedRandom();
int32_t randomIsaac(int32_t lo, int32_t hi);
int32_t randomCrt(int32_t lo, int32_t hi);
