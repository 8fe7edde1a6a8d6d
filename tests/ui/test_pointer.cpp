// The row proposal and its preview at the sheet's edges: clicks on every row and beyond the
// sheet, the bonus cell on either side of 63 with and without an earlier preview, and Up and
// Down at both ends of the rows to choose.
#include "core/hooks.h"
#include "core/scoring.h"
#include "tests/ui/ui_test.h"
#include "ui/dice_window.h"
#include "ui/pointer.h"
#include "ui/sheet.h"

namespace {

constexpr int32_t LAST_Y = 65535; // clicks come as unsigned 16-bit coordinates

void click(int32_t x, int32_t y) {
    platformEvents.rootLeftDown(x, y);
}
void key(int32_t k) {
    platformEvents.rootKey(k);
}

// The row whose preview is on the sheet, else -1.
int32_t shownRow() {
    return previewShown != 0 ? shownSelection.row : -1;
}

// Whether the current player's cell of `row` shows anything inside its box.
bool cellInked(int32_t row) {
    const Point o = CellOrigin(gameState.currentPlayer, row);
    const int32_t W = sheetMetrics.colWidth, H = sheetMetrics.rowHeight;
    const int32_t L = sheetMetrics.lineWidth;
    const Rect inside{o.x + 2 * L, o.y + 2 * L, o.x + W - 2 * L, o.y + H - 2 * L};
    return fake.window[WINDOW_ROOT].CountOther(inside, RgbColour(255, 255, 255)) > 0;
}

// The current player's sheet anew: these rows used, "summa" as given (the bonus won from 63),
// no preview on show, the dice as given.
void sheet(const std::vector<int32_t>& usedRows, int32_t summa, const char* pips) {
    int32_t* cells = gameState.players[gameState.currentPlayer].cells;
    for (int32_t r = 0; r < ROW_COUNT; r++)
        cells[r] = 0;
    for (int32_t r : usedRows)
        cells[r] = -1;
    cells[ROW_SUM] = summa;
    cells[ROW_BONUS] = summa >= 63 ? 50 : 0;
    cells[ROW_TOTAL] = summa + cells[ROW_BONUS];
    gameState.selection = Selection{gameState.currentPlayer, -1, 0};
    SetDice(pips);
    analyseThrow(*gameState.dice);
    DrawSheet(true); // filled: no trace of an earlier preview
}

} // namespace

TEST_F(UiTest, ClicksOnEveryRowAndBeyondTheSheetProposeTheRowNearest) {
    RunGame([] {
        NewGame({"AB"});
        platformEvents.diceCommand(IDM_DONE);
        for (int32_t row = ROW_ONES; row <= ROW_DYXEL; row++) {
            const int32_t top = CellOrigin(0, row).y, bottom = top + sheetMetrics.rowHeight - 2;
            for (int32_t y : {top, bottom}) {
                click(0, y);
                EXPECT_EQ(gameState.selection.row, row) << "y " << y;
            }
            const bool free = row != ROW_SUM && row != ROW_BONUS;
            EXPECT_EQ(gameState.selection.selectable, free ? 1 : 0);
            EXPECT_EQ(shownRow(), free ? row : ROW_SIXES) << "a sum's row keeps the preview";
        }
        // Above the rows, "1:or"; in "Total" and below the sheet, "Dyxel"; x does not matter.
        const int32_t below = SheetArea().bottom + sheetMetrics.rowHeight;
        const int32_t clicks[][3] = {{0, 0, ROW_ONES},
                                     {LAST_Y, CellOrigin(0, ROW_ONES).y - 3, ROW_ONES},
                                     {0, CellOrigin(0, ROW_TOTAL).y + 2, ROW_DYXEL},
                                     {LAST_Y, below, ROW_DYXEL},
                                     {0, 0, ROW_ONES},
                                     {LAST_Y, LAST_Y, ROW_DYXEL}};
        for (const auto& c : clicks) {
            click(c[0], c[1]);
            EXPECT_EQ(shownRow(), c[2]) << "x " << c[0] << " y " << c[1];
        }
    });
}

// The would-be "summa" around 63, written in "1:or" (3 points), "4:or" (none) or "1 par": the
// bonus cell shows "50" exactly when it reaches 63, whether an earlier preview (of "6:or", 12
// points) drew one there or not, and whether the bonus was won before.
TEST_F(UiTest, TheBonusCellShowsFiftyExactlyWhenTheWouldBeSummaReaches63) {
    RunGame([] {
        NewGame({"AB"});
        platformEvents.diceCommand(IDM_DONE);
        for (int32_t summa = 48; summa <= 66; summa++)
            for (int32_t row : {ROW_ONES, ROW_FOURS, ROW_PAIR})
                for (bool earlier : {false, true}) {
                    sheet({}, summa, "11166");
                    ASSERT_EQ(cellInked(ROW_BONUS), summa >= 63);
                    if (earlier)
                        click(0, RowY(ROW_SIXES));
                    click(0, RowY(row));
                    const int32_t wouldBe = summa + (row == ROW_ONES ? 3 : 0);
                    EXPECT_EQ(cellInked(ROW_BONUS), wouldBe >= 63)
                        << "summa " << summa << " row " << row << " earlier " << earlier;
                    EXPECT_EQ(shownRow(), row);
                }
    });
}

// Without a preview Down starts from the top and Up from the bottom; at the last free row
// either way the proposal stays; used rows and the sums are skipped.
TEST_F(UiTest, UpAndDownStopAtTheEndsOfTheFreeRows) {
    RunGame([] {
        NewGame({"AB"});
        platformEvents.diceCommand(IDM_DONE);
        const struct {
            std::vector<int32_t> used;
            int32_t first, last;
        } sheets[] = {
            {{}, ROW_ONES, ROW_DYXEL},
            {{ROW_ONES, ROW_PAIR, ROW_DYXEL}, ROW_TWOS, ROW_CHANCE},
            {{ROW_ONES, ROW_TWOS, ROW_THREES, ROW_FOURS, ROW_FIVES, ROW_SIXES, ROW_PAIR,
              ROW_TWO_PAIRS, ROW_TRIPLE, ROW_QUAD, ROW_SMALL, ROW_LARGE, ROW_CHANCE, ROW_DYXEL},
             ROW_FULL_HOUSE,
             ROW_FULL_HOUSE},
        };
        for (const auto& s : sheets) {
            sheet(s.used, 0, "12345");
            key(KEY_DOWN);
            EXPECT_EQ(shownRow(), s.first);
            key(KEY_UP);
            EXPECT_EQ(shownRow(), s.first) << "nothing free above";
            sheet(s.used, 0, "12345");
            key(KEY_UP);
            EXPECT_EQ(shownRow(), s.last);
            key(KEY_DOWN);
            EXPECT_EQ(shownRow(), s.last) << "nothing free below";
        }
        // Down from "6:or" passes "summa", "bonus" and a used "1 par".
        sheet({ROW_PAIR}, 0, "12345");
        click(0, RowY(ROW_SIXES));
        key(KEY_DOWN);
        EXPECT_EQ(shownRow(), ROW_TWO_PAIRS);
        key(KEY_UP);
        EXPECT_EQ(shownRow(), ROW_SIXES);
    });
}
