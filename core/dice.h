// The five dice of a turn: throwing the free ones, and holding. Every hold rule lives here; the
// dice window only calls these and draws what they leave.
#pragma once
#include "core/game.h"
#include <cstdint>

// The dice window's hold-alike mode ("&Lika"): while on, a held face holds every die showing it.
extern int32_t holdAlikeMode;

void throwDice(DiceThrow& dice);

// A press on a die: it changes between held and free; in hold-alike mode every die showing a
// held face is then held.
void toggleHold(DiceThrow& dice, int32_t die);
// Holds every die that shows the face of a held die.
void applyAlike(DiceThrow& dice);
// "&Lika": the mode changes; switched on, it applies at once.
void toggleAlike(DiceThrow& dice);
// "&Alla" and "&Ingen" ("&Ingen" switches hold-alike mode off first).
void holdAllDice(DiceThrow& dice);
// Exactly these dice held (a hint's advice).
void setHolds(DiceThrow& dice, const int32_t held[5]);
void releaseAllDice(DiceThrow& dice);
