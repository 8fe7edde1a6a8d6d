// The order of a game: set-up, human and robot turns, the hand-over and the end.
#pragma once
#include "core/game.h"

// The dice window's hold-alike mode ("&Lika"): while on, a held face holds every die showing it.
extern int32_t holdAlikeMode;

void newGame();
void startTurn();
void resetThrow(DiceThrow& dice);
void throwAgain();
void finishThrowing();
void completeTurn();
void endGame();
