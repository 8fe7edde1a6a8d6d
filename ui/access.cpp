#include "ui/access.h"
#include "core/dice.h"
#include "core/scoring.h"
#include "store/topten.h"
#include "ui/dice_window.h"
#include "ui/names.h"
#include "ui/pointer.h"
#include "ui/sheet.h"
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// Appends to a fixed buffer, cutting what does not fit.
struct Text {
    char* out;
    int32_t capacity;
    int32_t length = 0;
    void add(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        if (length >= capacity - 1)
            return;
        va_list args;
        va_start(args, format);
        const int n =
            std::vsnprintf(out + length, static_cast<size_t>(capacity - length), format, args);
        va_end(args);
        if (n > 0)
            length = length + n < capacity - 1 ? length + n : capacity - 1;
    }
};

// "Kåk   " as "Kåk".
const char* label(int32_t row, char out[7]) {
    std::memcpy(out, ROW_LABELS[row], 7);
    for (int32_t i = 5; i > 0 && out[i] == ' '; i--)
        out[i] = 0;
    return out;
}

bool derived(int32_t row) {
    return row == ROW_SUM || row == ROW_BONUS || row == ROW_TOTAL;
}

int32_t shown(int32_t cell) {
    return cell < 0 ? 0 : cell; // a scored zero reads as 0
}

void addPips(Text& t, const AccessView& v) {
    for (int32_t i = 0; i < 5; i++)
        t.add(i == 0 ? "%d" : " %d", v.pips[i]);
}

void addHolds(Text& t, const AccessView& v) {
    int32_t n = 0;
    for (int32_t i = 0; i < 5; i++) {
        if (v.held[i] != 0)
            t.add(n++ == 0 ? "H\xe5ller: %d" : " %d", v.pips[i]);
    }
    t.add(n == 0 ? "H\xe5ller inga. " : ". ");
}

// What the screen shows in a cell: the committed value, or the preview's would-be value.
void addCell(Text& t, const AccessView& v, int32_t p, int32_t r) {
    const AccessPreview& q = v.preview;
    int32_t value = v.cells[p][r];
    bool wouldBe = false;
    if (q.row >= 0 && p == v.currentPlayer) {
        wouldBe = true;
        if (r == q.row)
            value = q.score == 0 ? -1 : q.score;
        else if (r == ROW_SUM)
            value = q.sum == 0 ? -1 : q.sum; // drawn also when 0
        else if (r == ROW_BONUS && q.bonus != 0)
            value = q.bonus;
        else if (r == ROW_TOTAL)
            value = q.total == 0 ? -1 : q.total;
        else
            wouldBe = false;
    }
    if (value != 0)
        t.add(wouldBe ? "%d f\xf6rslag" : "%d", shown(value));
}

bool sameTurn(const AccessView& a, const AccessView& b) {
    return a.turnsLeft == b.turnsLeft && a.currentPlayer == b.currentPlayer && b.turnsLeft > 0;
}

} // namespace

void CaptureAccessView(AccessView* v) {
    *v = AccessView{};
    const GameState& g = gameState;
    v->playerCount = g.playerCount < 0 ? 0 : g.playerCount > MAX_SLOTS ? MAX_SLOTS : g.playerCount;
    v->currentPlayer = g.currentPlayer;
    v->turnsLeft = g.turnsLeft;
    v->throwsLeft = g.throwsLeft;
    v->round = roundNumber();
    v->sheetVisible = g.sheetVisible;
    v->topTenShown = g.topTenShown;
    v->diceShown = diceWindowShown;
    v->diceOnBoard = g.diceOnBoard;
    v->alike = holdAlikeMode;
    for (int32_t i = 0; i < 5 && g.dice != nullptr; i++) {
        v->pips[i] = g.dice->face[i] + 1;
        v->held[i] = g.dice->held[i] != 0 ? 1 : 0;
    }
    for (int32_t p = 0; p < v->playerCount; p++) {
        ShowableName(g.players[p].name, 3, v->names[p]);
        v->robot[p] = g.players[p].isRobot != 0 ? 1 : 0;
        std::memcpy(v->cells[p], g.players[p].cells, sizeof v->cells[p]);
    }
    v->preview.row = -1;
    const Selection& s = shownSelection;
    if (previewShown != 0 && g.dice != nullptr && g.turnsLeft > 0 && g.throwsLeft == 0 &&
        s.player == g.currentPlayer && s.row >= 0 && s.row < ROW_COUNT && !derived(s.row)) {
        const ScoreChange c = scoreChange(s.player, s.row, *g.dice);
        const int32_t bonus = c.bonusGained != 0 ? c.bonusGained : 0;
        v->preview = AccessPreview{s.row, c.score, c.sum, bonus, c.total};
    }
    v->ring = SheetArea();
    if (v->preview.row >= 0) {
        const Point o = CellOrigin(s.player, s.row);
        const SheetMetrics& m = sheetMetrics;
        v->ring = Rect{o.x, o.y, o.x + m.colWidth + m.lineWidth, o.y + m.rowHeight + m.lineWidth};
    }
}

int32_t FormatAccessView(const AccessView& v, char* out, int32_t capacity) {
    if (capacity <= 0)
        return 0;
    out[0] = 0;
    Text t{out, capacity};
    t.add("game\t%d\t%d\t%d\t%d\n", v.playerCount, v.currentPlayer, v.turnsLeft, v.throwsLeft);
    t.add("dice\t%d\t%d\t", v.diceShown, v.alike);
    for (int32_t pips : v.pips)
        t.add("%d", pips);
    t.add("\t");
    for (int32_t held : v.held)
        t.add("%d", held);
    t.add("\nstrip\t");
    if (v.diceOnBoard != 0) {
        t.add("T\xe4rningar: ");
        addPips(t, v);
    }
    t.add("\ncorner\t");
    if (v.turnsLeft > 0 && v.currentPlayer >= 0 && v.currentPlayer < v.playerCount)
        t.add("%s, Omg\xe5ng: %d", v.names[v.currentPlayer], v.round);
    t.add("\ncols");
    const int32_t players = v.sheetVisible != 0 ? v.playerCount : 0;
    for (int32_t p = 0; p < players; p++)
        t.add("\t%s", v.names[p]);
    for (int32_t r = 0; r < ROW_COUNT; r++) {
        char name[7];
        t.add("\nrow\t%s", label(r, name));
        for (int32_t p = 0; p < players; p++) {
            t.add("\t");
            addCell(t, v, p, r);
        }
    }
    if (v.preview.row >= 0 && players > 0)
        t.add("\nsel\t%d\t%d", v.currentPlayer, v.preview.row);
    t.add("\nring\t%d\t%d\t%d\t%d", v.ring.left, v.ring.top, v.ring.right, v.ring.bottom);
    for (int32_t i = 0; i < 10 && v.topTenShown != 0; i++) {
        const TopTenEntry& e = topTen.entries[i];
        char name[5];
        ShowableName(e.name, sizeof e.name, name);
        if (e.score != 0)
            t.add("\ntop\t%d. %s %d", i + 1, name, e.score);
    }
    t.add("\n");
    return t.length;
}

int32_t DescribeAccessChange(const AccessView& was, const AccessView& now, char* out,
                             int32_t capacity) {
    if (capacity <= 0)
        return 0;
    out[0] = 0;
    Text t{out, capacity};
    const bool begun = now.turnsLeft > 0 && (was.turnsLeft <= 0 || now.turnsLeft > was.turnsLeft);
    const int32_t p = now.currentPlayer;
    const bool running = now.turnsLeft > 0 && p >= 0 && p < now.playerCount;
    if (begun) {
        t.add("Nytt spel:");
        for (int32_t i = 0; i < now.playerCount; i++)
            t.add(i == 0 ? " %s" : ", %s", now.names[i]);
        t.add(". ");
    }
    // Rows written since the last look, a robot's included.
    for (int32_t q = 0; q < now.playerCount && !begun; q++) {
        for (int32_t r = 0; r < ROW_COUNT; r++) {
            char name[7];
            if (!derived(r) && was.cells[q][r] == 0 && now.cells[q][r] != 0)
                t.add("%s: %s %d. ", now.names[q], label(r, name), shown(now.cells[q][r]));
        }
    }
    if (was.turnsLeft > 0 && now.turnsLeft <= 0 && now.playerCount > 0) {
        t.add("Spelet \xe4r slut.");
        for (int32_t q = 0; q < now.playerCount; q++)
            t.add(q == 0 ? " %s %d" : ", %s %d", now.names[q], shown(now.cells[q][ROW_TOTAL]));
        t.add(". ");
    }
    if (!running)
        return t.length;
    const bool robot = now.robot[p] != 0;
    const bool newTurn = begun || !sameTurn(was, now);
    if (newTurn)
        t.add(robot ? "Tur: %s, robot. " : "Tur: %s. ", now.names[p]);
    const bool moved = std::memcmp(was.pips, now.pips, sizeof now.pips) != 0;
    if (robot) {
        // A robot holding all five keeps its faces: nothing new to hear.
        if (!newTurn && !moved)
            return t.length;
        t.add("%s kastar: ", now.names[p]);
        addPips(t, now);
        t.add(". ");
        return t.length;
    }
    const bool thrown = newTurn || now.throwsLeft < was.throwsLeft || moved;
    if (thrown && (now.diceShown != 0 || now.throwsLeft == 0)) {
        t.add("T\xe4rningar: ");
        addPips(t, now);
        if (now.throwsLeft > 0)
            t.add(", kvar %d. ", now.throwsLeft);
        else
            t.add(". V\xe4lj rad med upp och ned, skriv med retur. ");
    }
    if (!thrown && now.diceShown != 0) {
        if (was.alike != now.alike)
            t.add(now.alike != 0 ? "Lika p\xe5. " : "Lika av. ");
        if (was.alike != now.alike || std::memcmp(was.held, now.held, sizeof now.held) != 0)
            addHolds(t, now);
    }
    const AccessPreview& a = was.preview;
    const AccessPreview& b = now.preview;
    if (b.row >= 0 && (newTurn || a.row != b.row)) {
        char name[7];
        t.add("F\xf6rslag %s: %d, summa %d, bonus %d, Total %d. ", label(b.row, name), b.score,
              b.sum, b.bonus != 0 ? b.bonus : shown(now.cells[p][ROW_BONUS]), b.total);
    }
    return t.length;
}
