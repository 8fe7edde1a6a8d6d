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

// How a finished game offers every player's "Total" to the top-ten list, in slot order.
// The game keeps the default; the simulator swaps it so that it can leave "h_score" alone.
void OfferResultsToTopTen();
extern void (*offerResults)();
