#include "ui/topten_panel.h"
#include "store/topten.h"
#include "ui/names.h"
#include "ui/sheet.h"
#include <cstdio>
#include <cstring>

Rect TopTenRect() {
    const SheetMetrics& m = sheetMetrics;
    const int32_t left = 8 * m.colWidth + m.avgCharWidth / 4;
    const int32_t top = m.textHeight / 2;
    return Rect{left, top, left + 2 * m.colWidth + 6, top + 10 * m.rowHeight + m.textHeight};
}

void DrawTopTen() {
    const SheetMetrics& m = sheetMetrics;
    Surface* s = AcquireRootSurface();
    LoadTopTen();
    const Rect panel = TopTenRect();
    FillRectangle(s, panel, BRUSH_WHITE);
    FrameRectangle(s, panel, BRUSH_BLACK);
    const int32_t x = 8 * m.colWidth + m.avgCharWidth;
    for (int32_t i = 0; i < 10; i++) {
        const TopTenEntry& e = topTen.entries[i];
        if (e.score == 0)
            continue;
        const int32_t y = m.textHeight + i * m.rowHeight;
        // Whatever the file holds, the name stays one line inside the panel.
        char name[5];
        DrawText(s, x, y, name, ShowableName(e.name, sizeof e.name, name));
        char score[16];
        std::snprintf(score, sizeof score, "%3d", e.score);
        DrawText(s, x + 6 * m.avgCharWidth, y, score, 3);
    }
    ReleaseSurface(s);
}
