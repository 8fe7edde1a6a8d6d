// The review as the player reads it, in Swedish, Windows-1252.
#include "review/review.h"
#include <cstdio>
#include <cstring>

namespace {

struct Text {
    char* out;
    size_t size;
    size_t length;
};

void put(Text& t, const char* s) {
    while (*s != 0 && t.length + 1 < t.size)
        t.out[t.length++] = *s++;
    t.out[t.length] = 0;
}

// One decimal, Swedish style: "3,1".
void putNumber(Text& t, double v) {
    char n[32];
    std::snprintf(n, sizeof n, "%.1f", v);
    if (char* point = std::strchr(n, '.'))
        *point = ',';
    put(t, n);
}

void putKeep(Text& t, const int32_t counts[6]) {
    bool any = false;
    for (int32_t f = 0; f < 6; f++)
        for (int32_t n = 0; n < counts[f]; n++) {
            const char pip[3] = {any ? ' ' : '\0', static_cast<char>('1' + f), 0};
            put(t, any ? pip : pip + 1);
            any = true;
        }
    if (!any)
        put(t, "inget");
}

void putRow(Text& t, int32_t row) {
    char label[7] = "?";
    if (row >= 0 && row < ROW_COUNT) {
        std::memcpy(label, ROW_LABELS[row], sizeof label);
        for (int32_t i = 5; i > 0 && label[i] == ' '; i--)
            label[i] = 0;
    }
    put(t, label);
}

// "Tur 7: 2 2 5 5 6, du sparade 5 5, bäst 2 2 5 5, –1,8" (an en dash: Windows-1252 has no minus)
void putDecision(Text& t, const ReviewDecision& d) {
    char head[48];
    std::snprintf(head, sizeof head, "Tur %d: %d %d %d %d %d, ", d.turn, d.pips[0], d.pips[1],
                  d.pips[2], d.pips[3], d.pips[4]);
    put(t, head);
    if (d.kind == REVIEW_ROW) {
        put(t, "du skrev ");
        putRow(t, d.chosen[0]);
        put(t, ", b\xe4st ");
        putRow(t, d.best[0]);
    } else {
        put(t, "du sparade ");
        putKeep(t, d.chosen);
        put(t, ", b\xe4st ");
        putKeep(t, d.best);
    }
    put(t, ", \x96");
    putNumber(t, d.loss);
    put(t, "\n");
}

void putPlayer(Text& t, const PlayerSheet& sheet, const PlayerReview& r) {
    const ReviewSummary s = summarizeReview(r);
    put(t, "Granskning av ");
    put(t, sheet.name);
    put(t, "\nF\xf6rlust mot b\xe4sta spel: ");
    putNumber(t, s.loss);
    char counts[96];
    std::snprintf(counts, sizeof counts, " po\xe4ng i %d beslut, %d kostade mer \xe4n 0,5.\n",
                  s.decisions, s.costly);
    put(t, counts);
    bool listed = false;
    for (int32_t i : s.worst)
        if (i >= 0 && r.decisions[i].loss >= 0.05) {
            putDecision(t, r.decisions[i]);
            listed = true;
        }
    if (!listed)
        put(t, "Inget beslut kostade n\xe5got v\xe4rt att n\xe4mna.\n");
    if (r.unlimitedThrows != 0)
        put(t, "Med \"3 Kast\" granskas det sparade som vid tre kast: efter f\xf6rsta och "
               "andra kastet.\n");
}

} // namespace

void FormatGameReview(char* out, size_t size) {
    Text t{out, size, 0};
    if (size == 0)
        return;
    out[0] = 0;
    if (gameReview.finished == 0) {
        put(t, "Granskningen visas n\xe4r ett spel \xe4r slut.");
        return;
    }
    bool any = false;
    for (int32_t p = 0; p < gameState.playerCount && p < MAX_SLOTS; p++) {
        if (gameState.players[p].isRobot != 0)
            continue;
        put(t, any ? "\n" : "");
        putPlayer(t, gameState.players[p], gameReview.players[p]);
        any = true;
    }
    if (!any)
        put(t, "Ingen m\xe4nniska spelade: det finns inget att granska.");
}
