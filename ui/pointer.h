// Choosing a row with the mouse: the hit test and the preview of a click.
#pragma once
#include "core/game.h"
#include <cstdint>

// 1 while a click's preview is on the sheet.
extern int32_t previewShown;
// The proposal whose preview is on the sheet, so the next click can erase it.
extern Selection shownSelection;

struct SheetHit {
    int32_t player;
    int32_t row;
};

SheetHit HitTestSheet(int32_t x, int32_t y);
// A left click: proposes the current player's cell in the row at that height.
void OnSheetClick(int32_t x, int32_t y);
// Proposes the current player's cell in `row` and previews what writing it would give.
void ProposeCell(int32_t row);
// Up (-1) or Down (+1): proposes the next free row from the one on show.
void ProposeNextCell(int32_t step);
