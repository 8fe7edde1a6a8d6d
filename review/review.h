// The review of a game: what each human decision cost against the optimal strategy, in expected
// final "Total", and which choice was best. A decision is the hold after the first or second
// throw (stopping with "&Klar" holds all five dice) or the row written after the last throw.
#pragma once
#include "core/game.h"
#include <cstddef>

enum ReviewKind : int32_t {
    REVIEW_FIRST_HOLD = 1,  // the dice held after the first throw, two throws to come
    REVIEW_SECOND_HOLD = 2, // after the second, one throw to come
    REVIEW_ROW = 3,         // the row written
};

struct ReviewDecision {
    int32_t turn; // the player's own turn, 1 to 15 (the simulator: the game's turn)
    int32_t kind;
    int32_t pips[5];   // the dice, 1 to 6, ascending
    int32_t chosen[6]; // a hold: the dice kept of each face; a row: chosen[0] is the row
    int32_t best[6];   // the same for the best choice
    double loss;       // the best choice's expected total less the chosen one's, 0 or more
    // The position as it was, weighed only when the game ends: the expert's table may still be
    // in the making during the game, and a throw must never wait for it.
    int32_t cells[ROW_COUNT];
    int32_t face[5];
    int32_t held[5];
};

// A hold after throw `kind` (1 or 2): `held` flags over `face` (0 to 5), on the sheet `cells`.
ReviewDecision reviewHold(const int32_t* cells, const int32_t face[5], const int32_t held[5],
                          int32_t kind);
// A row written with `face` on the sheet `cells` (before the write); the row must be free.
ReviewDecision reviewRow(const int32_t* cells, const int32_t face[5], int32_t row);

// The game's decisions by player: recorded as the humans make them, kept after the game ends
// until the next game starts.
constexpr int32_t REVIEW_MAX = TURNS_PER_PLAYER * 3;
struct PlayerReview {
    int32_t count;
    ReviewDecision decisions[REVIEW_MAX];
    int32_t unlimitedThrows; // threw under "&3 Kast": holds weighed as for three throws
};
struct GameReview {
    PlayerReview players[MAX_SLOTS];
    int32_t finished; // the game has ended: the review may be shown
    int32_t turnKey;  // turnsLeft of the turn being recorded, and its throws so far
    int32_t throwsSeen;
};
extern GameReview gameReview;

// A game starts: the last one's review goes.
void startGameReview();
// The current human's "&Kasta", before the throw; "&Klar", before the dice leave the window;
// a commit request, before the turn flow commits. Each does nothing outside a human's turn.
void recordThrowAgain();
void recordDone();
void recordCommit();
// The game has ended: every human's decisions are complete, and are weighed now.
void finishGameReview();

struct ReviewSummary {
    int32_t decisions;
    double loss;
    int32_t costly;   // decisions that lost more than 0.5
    int32_t worst[3]; // the costliest, most first; -1 past the end
};
ReviewSummary summarizeReview(const PlayerReview& review);
// The review of every human of the finished game as a text for a box, Windows-1252.
void FormatGameReview(char* out, size_t size);
