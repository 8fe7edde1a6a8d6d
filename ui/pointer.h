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
void OnSheetClick(int32_t x, int32_t y);
