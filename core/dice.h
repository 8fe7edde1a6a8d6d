// The two random sources and the throw. ISAAC is the default; the C-runtime generator
// (reproduced exactly, so games replay on every platform) serves "&Alt tärning" and the sounds.
#pragma once
#include "core/game.h"
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

void crtSrand(uint32_t seed);
int32_t crtRand();

// The calendar time, replaceable so that a run can be reproduced.
extern uint32_t (*calendarTime)();

void seedIsaacFromTime();
void seedRandom();
int32_t randomIsaac(int32_t lo, int32_t hi);
int32_t randomCrt(int32_t lo, int32_t hi);
void throwDice(DiceThrow& dice);
