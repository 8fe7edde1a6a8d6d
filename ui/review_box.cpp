#include "ui/review_box.h"
#include "core/game.h"
#include "platform/menu.h"
#include "platform/msgbox.h"
#include "review/review.h"
#include "store/statistics.h"
#include "store/topten.h"
#include "ui/root_window.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr size_t MAX_NAMES_SHOWN = 30;

std::string decimal(double v, int digits) {
    char n[40];
    std::snprintf(n, sizeof n, "%.*f", digits, v);
    if (char* point = std::strchr(n, '.'))
        *point = ','; // Swedish decimals
    return n;
}

std::string percent(int64_t part, int64_t whole) {
    return decimal(whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0,
                   0) +
           " %";
}

std::string describe(const StatisticsEntry& e) {
    char head[64];
    std::snprintf(head, sizeof head, "%s: %d spel, medel ", e.name, e.games);
    std::string line = head + decimal(static_cast<double>(e.totalSum) / e.games, 1) + ", b\xe4st " +
                       std::to_string(e.best) + ", bonus " + percent(e.bonusGames, e.games) +
                       ", Dyxel " + percent(e.dyxelGames, e.games);
    if (e.decisions > 0)
        line +=
            ", f\xf6rlust " +
            decimal(static_cast<double>(e.lossMilli) / 1000.0 / static_cast<double>(e.decisions),
                    2) +
            " per beslut";
    return line + "\n";
}

} // namespace

void StartReviewedGame() {
    startGameReview();
    SetMenuEnabled(IDM_REVIEW, false);
}

void RecordFinishedGame() {
    OfferResultsToTopTen();
    finishGameReview();
    SetMenuEnabled(IDM_REVIEW, true);
    StatisticsEntry results[MAX_SLOTS]{};
    const int32_t count = gameState.playerCount < MAX_SLOTS ? gameState.playerCount : MAX_SLOTS;
    for (int32_t p = 0; p < count; p++) {
        const PlayerSheet& sheet = gameState.players[p];
        StatisticsEntry& r = results[p];
        std::memcpy(r.name, sheet.name, 4);
        r.games = 1;
        r.totalSum = sheet.cells[ROW_TOTAL];
        r.best = sheet.cells[ROW_TOTAL];
        r.bonusGames = sheet.cells[ROW_BONUS] > 0;
        r.dyxelGames = sheet.cells[ROW_DYXEL] > 0;
        r.humanGames = sheet.isRobot == 0;
        if (sheet.isRobot == 0) {
            const ReviewSummary s = summarizeReview(gameReview.players[p]);
            r.decisions = s.decisions;
            r.lossMilli = static_cast<int64_t>(s.loss * 1000.0 + 0.5);
        }
    }
    AddGameToStatistics(results, count);
}

void ShowReviewBox() {
    static char text[4096];
    FormatGameReview(text, sizeof text);
    const size_t n = std::strlen(text);
    if (n > 0 && text[n - 1] == '\n')
        text[n - 1] = 0; // no empty line above the button
    ShowMessageBox(text, "Granskning", MBOX_OK, MBOX_ICON_NONE, true);
}

void ShowStatisticsBox() {
    std::vector<StatisticsEntry> entries;
    LoadStatistics(entries);
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const StatisticsEntry& a, const StatisticsEntry& b) { return a.games > b.games; });
    std::string text = "Spel avslutade vid den h\xe4r datorn, per namn:\n";
    for (size_t i = 0; i < entries.size() && i < MAX_NAMES_SHOWN; i++)
        text += describe(entries[i]);
    if (entries.size() > MAX_NAMES_SHOWN)
        text += "och " + std::to_string(entries.size() - MAX_NAMES_SHOWN) + " namn till.\n";
    text.pop_back();
    if (entries.empty())
        text = "Ingen statistik \xe4n: den b\xf6rjar n\xe4r ett spel har spelats till slut.";
    ShowMessageBox(text.c_str(), "Statistik", MBOX_OK, MBOX_ICON_NONE, true);
}
