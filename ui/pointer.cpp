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
    ProposeCell(HitTestSheet(x, y).row);
}

void ProposeCell(int32_t row) {
    Selection& sel = gameState.selection;
    sel.player = gameState.currentPlayer;
    sel.row = row;
    sel.selectable = isRowSelectable(sel.player, sel.row) ? 1 : 0;
    if (sel.selectable == 0 || gameState.dice == nullptr)
        return;

    Surface* s = AcquireRootSurface();
    if (previewShown != 0)
        EraseCellWithSums(s, shownSelection.player, shownSelection.row);
    const ScoreChange c = scoreChange(sel.player, sel.row, *gameState.dice);
    if (c.score == 0)
        DrawScoreCell(s, -1, sel.player, sel.row, INK_PREVIEW_ZERO);
    else
        DrawScoreCell(s, c.score, sel.player, sel.row, INK_PREVIEW);
    DrawScoreCell(s, c.sum, sel.player, ROW_SUM, INK_PREVIEW);
    if (c.bonusGained != 0)
        DrawScoreCell(s, c.bonusGained, sel.player, ROW_BONUS, INK_PREVIEW);
    else if (c.sum <= 62)
        EraseCell(s, sel.player, ROW_BONUS); // a "50" of an earlier preview goes
    DrawScoreCell(s, c.total, sel.player, ROW_TOTAL, INK_PREVIEW);
    // DrawScoreCell left the mark pen and the hollow brush selected.
    OutlineCell(s, sel.player, sel.row);
    shownSelection = sel;
    previewShown = 1;
    ReleaseSurface(s);
}

void ProposeNextCell(int32_t step) {
    // From the cell on show, else from just outside the sheet on the side the step leaves.
    int32_t row = previewShown != 0 ? shownSelection.row : (step > 0 ? -1 : ROW_TOTAL);
    for (row += step; row >= 0 && row <= ROW_DYXEL; row += step) {
        if (isRowSelectable(gameState.currentPlayer, row)) {
            ProposeCell(row);
            return;
        }
    }
}
