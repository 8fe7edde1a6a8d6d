// The order of a game: set-up, human and robot turns, the hand-over and the end.
#pragma once
#include "core/game.h"

void newGame();
void startTurn();
void resetThrow(DiceThrow& dice);
void throwAgain();
void finishThrowing();
void completeTurn();
void endGame();
