// Play to win: the champion chooses each hold and row for the best chance of finishing first (a
// tie shares the win) against the sheets at the table, each opponent modelled by what it plays:
// the heuristic robot as itself, the expert, a champion and a human as the expert.
//
// Its own last turns are worked out exactly for the win; before those it plays one turn ahead for
// the win and takes the rest of its game as the expert would play it, a normal spread around the
// expert's value. An opponent's final total is exact under the expert's play in its last turns
// and a normal spread before them.
#pragma once
#include "core/game.h"
#include "core/hooks.h"
#include <cstdint>

extern const RobotStrategy championRobot;

// Whether the heavy part of a decision runs on a thread of its own while the windows keep
// painting (the game's pause hook). Off: it runs on the caller's thread (the simulator, the
// browser).
extern bool championOffThread;
// Whether a decision on the caller's thread lets the windows paint every few tens of milliseconds
// (the browser, which has no threads for it).
extern bool championInSlices;

struct ChampionAdvice {
    int32_t hold[5];      // with throws left: 1 for each die to keep
    int32_t row;          // without: the row to write; -1 while throws are left
    double winChance;     // 0 to 1, a tie counted as a share
    double expectedTotal; // "Total" to expect with the advice and the expert's play after it
    bool hasOpponents;    // false: alone at the table, the advice is the expert's
};
// The advice for the player `player` whose turn runs, given every sheet at the table.
ChampionAdvice championAdvice(int32_t player, const DiceThrow& dice, int32_t throwsLeft);

// Readies what every decision needs (the expert's table, the spread of its totals), so that the
// simulator's clock measures only the games.
void prepareChampion();
