#include "ui/pointer.h"
#include "core/scoring.h"
#include "platform/draw.h"
#include "ui/sheet.h"

int32_t previewShown;
Selection shownSelection;

SheetHit HitTestSheet(int32_t, int32_t y) {
    const int32_t H = sheetMetrics.rowHeight, L = sheetMetrics.lineWidth;
    int32_t row = (y - H) / (H + L / 2);
    if (row < 0)
        row = 0;
    if (row > ROW_DYXEL)
        row = ROW_DYXEL;
    return SheetHit{gameState.currentPlayer, row};
}

void OnSheetClick(int32_t x, int32_t y) {
    Selection& sel = gameState.selection;
    const SheetHit hit = HitTestSheet(x, y);
    sel.player = hit.player;
    sel.row = hit.row;
    sel.selectable = isRowSelectable(sel.player, sel.row) ? 1 : 0;
    if (sel.selectable == 0 || gameState.dice == nullptr)
        return;

    Surface* s = AcquireRootSurface();
    if (previewShown != 0)
        EraseCellWithSums(s, shownSelection.player, shownSelection.row);
    const int32_t v = rowScore(sel.row, *gameState.dice);
    const int32_t* cells = gameState.players[sel.player].cells;
    int32_t sum = cells[ROW_SUM];
    int32_t total = cells[ROW_TOTAL];
    const bool upper = sel.row <= ROW_SIXES;
    const int32_t bonus = upper && sum <= 62 && sum + v >= 63 ? 50 : 0;
    if (upper)
        sum += v;
    total += v + bonus;

    if (v == 0)
        DrawScoreCell(s, -1, sel.player, sel.row, INK_PREVIEW_ZERO);
    else
        DrawScoreCell(s, v, sel.player, sel.row, INK_PREVIEW);
    DrawScoreCell(s, sum, sel.player, ROW_SUM, INK_PREVIEW);
    if (bonus == 50)
        DrawScoreCell(s, 50, sel.player, ROW_BONUS, INK_PREVIEW);
    else if (sum <= 62)
        EraseCell(s, sel.player, ROW_BONUS); // a "50" of an earlier preview goes
    DrawScoreCell(s, total, sel.player, ROW_TOTAL, INK_PREVIEW);
    // DrawScoreCell left the mark pen and the hollow brush selected.
    OutlineCell(s, sel.player, sel.row);
    shownSelection = sel;
    previewShown = 1;
    ReleaseSurface(s);
}
