// The screen in words, for players who cannot see it: what the sheet, the dice and the boxes
// around them show, and what changed since the last look, to be read aloud. Windows-1252 text.
#pragma once
#include "core/game.h"
#include "platform/draw.h"
#include <cstdint>

struct AccessPreview {
    int32_t row; // -1: no preview on the sheet
    int32_t score, sum, bonus, total;
};

struct AccessView {
    int32_t playerCount, currentPlayer, turnsLeft, throwsLeft, round;
    int32_t sheetVisible, topTenShown;
    int32_t diceShown;   // the dice window is on show
    int32_t diceOnBoard; // the strip below the sheet shows the dice
    int32_t alike;       // "&Lika" is on
    int32_t pips[5], held[5];
    char names[MAX_SLOTS][4];
    int32_t robot[MAX_SLOTS];
    int32_t cells[MAX_SLOTS][ROW_COUNT]; // as committed: 0 empty, -1 a zero
    AccessPreview preview;               // in the current player's column
    Rect ring; // where the sheet's focus ring goes: the proposed cell, else the whole sheet
};

void CaptureAccessView(AccessView* v);
// The view as lines of tab-separated fields, for the page to build its twin from:
//   game  PLAYERS CURRENT TURNS_LEFT THROWS_LEFT
//   dice  SHOWN ALIKE PIPS HELD          (PIPS "13356", HELD "01100")
//   strip TEXT / corner TEXT             (empty when nothing is shown)
//   cols  NAME...
//   row   LABEL CELL...                  (each cell's text as the screen shows it)
//   sel   PLAYER ROW                     (the proposed cell, when there is one)
//   ring  LEFT TOP RIGHT BOTTOM          (in the root window's client area)
//   top   TEXT                           (one line a result of the top-ten panel)
// Returns the length; the text is cut at `capacity` - 1.
int32_t FormatAccessView(const AccessView& v, char* out, int32_t capacity);
// Sentences for what happened between two looks: a game begun, a turn begun, dice thrown, holds
// changed, a proposal moved, a row written, the game's end. The page looks each time the game
// waits; a robot's turn waits in the pause after each of its throws.
int32_t DescribeAccessChange(const AccessView& was, const AccessView& now, char* out,
                             int32_t capacity);
