// dyxel-sim: plays robots-only games through the game's own turn flow, robot and sound cues,
// with no window, and prints either a trace of every event or a short summary.
//
// Summary (without --trace), five lines over every player's sheet of every game; "bonus" counts
// the sheets that won the upper bonus, "dyxel" those with "Dyxel" scored (not scratched):
//   games: G, robots: N, sheets: S
//   total: mean M.MM, min A, max B
//   bonus: P.PP% of sheets
//   dyxel: Q.QQ% of sheets
//   speed: R games/s
// With --players, a sixth line before the speed: each seat's wins, a tie shared among the tied.
//   wins: W1 W2 ...
#include "app/game.h"
#include "app/sim/advise.h"
#include "app/sim/options.h"
#include "app/sim/review.h"
#include "champion/champion.h"
#include "core/hooks.h"
#include "core/random.h"
#include "core/turn.h"
#include "expert/expert.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "robot/robot.h"
#include "sound/sound.h"
#include "store/settings.h"
#include "store/topten.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

// The browser's build runs under node without threads: the expert's table is then worked out
// on the one thread there is.
#ifdef __EMSCRIPTEN__
constexpr bool SIM_THREADS = false;
#else
constexpr bool SIM_THREADS = true;
#endif

SimOptions options;
Settings simSettings;
DiceThrow simDice;
int64_t currentGame;
uint32_t currentSeed;
char line[160];

void emit(int length) {
    if (length > 0)
        std::fwrite(line, 1, static_cast<size_t>(length), stdout);
}

int32_t turnInGame() {
    return gameState.playerCount * TURNS_PER_PLAYER - gameState.turnsLeft + 1;
}

uint32_t seedTime() {
    return currentSeed;
}

void traceThrow(const DiceThrow& d, int32_t throwNumber) {
    emit(std::snprintf(line, sizeof line,
                       "throw g=%lld t=%d p=%d k=%d dice=%d%d%d%d%d held=%d%d%d%d%d\n",
                       static_cast<long long>(currentGame), turnInGame(), gameState.currentPlayer,
                       throwNumber, d.face[0] + 1, d.face[1] + 1, d.face[2] + 1, d.face[3] + 1,
                       d.face[4] + 1, d.held[0], d.held[1], d.held[2], d.held[3], d.held[4]));
}

// The robot's end-of-turn message: the commit has just happened, trace it, then hand on.
void traceCommitRequest() {
    const int32_t p = gameState.currentPlayer;
    const int32_t row = gameState.selection.row;
    const int32_t* cells = gameState.players[p].cells;
    const int32_t cell = row >= 0 && row < ROW_COUNT ? cells[row] : 0;
    emit(std::snprintf(line, sizeof line, "row g=%lld t=%d p=%d row=%d cell=%d total=%d\n",
                       static_cast<long long>(currentGame), turnInGame(), p, row, cell,
                       cells[ROW_TOTAL]));
    completeTurn();
}

void offerAtGameEnd() {
    if (options.trace) {
        int n = std::snprintf(line, sizeof line,
                              "end g=%lld totals=", static_cast<long long>(currentGame));
        for (int32_t p = 0; p < gameState.playerCount; p++)
            n += std::snprintf(line + n, sizeof line - static_cast<size_t>(n), p ? ",%d" : "%d",
                               gameState.players[p].cells[ROW_TOTAL]);
        n += std::snprintf(line + n, sizeof line - static_cast<size_t>(n), "\n");
        emit(n);
    }
    if (options.topTen)
        OfferResultsToTopTen();
}

struct Summary {
    int64_t sheets = 0;
    int64_t totalSum = 0;
    int32_t minTotal = 0;
    int32_t maxTotal = 0;
    int64_t withBonus = 0;
    int64_t withDyxel = 0;
    double wins[MAX_SLOTS] = {};
};

void count(Summary& s) {
    for (int32_t p = 0; p < gameState.playerCount; p++) {
        const int32_t* cells = gameState.players[p].cells;
        const int32_t total = cells[ROW_TOTAL];
        if (s.sheets == 0 || total < s.minTotal)
            s.minTotal = total;
        if (s.sheets == 0 || total > s.maxTotal)
            s.maxTotal = total;
        s.sheets++;
        s.totalSum += total;
        s.withBonus += cells[ROW_BONUS] > 0;
        s.withDyxel += cells[ROW_DYXEL] > 0;
    }
    int32_t best = 0, tied = 0;
    for (int32_t p = 0; p < gameState.playerCount; p++)
        best = std::max(best, gameState.players[p].cells[ROW_TOTAL]);
    for (int32_t p = 0; p < gameState.playerCount; p++)
        tied += gameState.players[p].cells[ROW_TOTAL] == best;
    for (int32_t p = 0; p < gameState.playerCount; p++)
        if (gameState.players[p].cells[ROW_TOTAL] == best)
            s.wins[p] += 1.0 / tied;
}

void printSummary(const Summary& s, double seconds) {
    const double sheets = static_cast<double>(s.sheets);
    std::printf("games: %lld, robots: %d, sheets: %lld\n", static_cast<long long>(options.games),
                options.robots, static_cast<long long>(s.sheets));
    std::printf("total: mean %.2f, min %d, max %d\n", static_cast<double>(s.totalSum) / sheets,
                s.minTotal, s.maxTotal);
    std::printf("bonus: %.2f%% of sheets\n", 100.0 * static_cast<double>(s.withBonus) / sheets);
    std::printf("dyxel: %.2f%% of sheets\n", 100.0 * static_cast<double>(s.withDyxel) / sheets);
    if (options.players > 0) {
        std::printf("wins:");
        for (int32_t p = 0; p < options.players; p++)
            std::printf(" %.1f", s.wins[p]);
        std::printf("\n");
    }
    const double rate = seconds > 0 ? static_cast<double>(options.games) / seconds : 0.0;
    std::printf("speed: %.0f games/s\n", rate);
}

void setUp() {
    SetDefaultSettings(&simSettings);
    simSettings.altDice = options.altDice;
    simSettings.throwSound = options.throwSound;
    simSettings.robotSound = options.robotSound;
    settings = &simSettings;

    gameState = GameState{};
    gameState.maxPlayers = MAX_SLOTS;
    gameState.dice = &simDice;
    for (int32_t p = 0; p < options.robots; p++) {
        PlayerSheet& sheet = gameState.players[p];
        sheet.name[0] = 'R';
        sheet.name[1] = static_cast<char>('1' + p);
        sheet.name[2] = 0;
        sheet.isRobot = 1;
    }
    gameState.playerCount = options.robots;

    // No windows: every hook stays null except the hand-over, which goes straight to the turn flow.
    frontEnd = FrontEndHooks{};
    frontEnd.sendCommitRequest = options.trace ? traceCommitRequest : completeTurn;
    services = GameServices{};
    InstallRobots();
    extraSettings.expertRobots = options.expert;
    bool expertSeat = options.expert != 0, championSeat = false;
    for (int32_t p = 0; p < MAX_SLOTS; p++) {
        seatRobotKind[p] = p < options.players ? options.kinds[p] : -1;
        expertSeat |= seatRobotKind[p] == ROBOT_EXPERT;
        championSeat |= seatRobotKind[p] == ROBOT_CHAMPION;
    }
    if (championSeat)
        prepareChampion(); // and with it the expert's table, before the clock
    if (expertSeat) {
        // Before the clock starts: the speed is the games'.
        startExpertTable(SIM_THREADS);
        waitExpertTable();
    }
    InstallSoundCues();
    services.offerResults = offerAtGameEnd;
    robotPlanned = options.trace ? traceThrow : nullptr;
    calendarTime = seedTime;
}

} // namespace

// The simulator stands in for the platform: boxes go to standard error, sounds to the trace.
int ShowMessageBox(const char* text, const char* caption, int style, int, bool) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return style == MBOX_YESNO ? MBOX_ANSWER_NO : MBOX_ANSWER_OK;
}

bool PlatformPlaySound(int32_t resourceId) {
    if (options.trace)
        emit(std::snprintf(line, sizeof line, "sound g=%lld t=%d p=%d id=%d\n",
                           static_cast<long long>(currentGame), turnInGame(),
                           gameState.currentPlayer, resourceId));
    return true;
}

int main(int argc, char** argv) {
    std::string error;
    switch (ParseSimArgs(argc, argv, options, error)) {
    case SIM_ARGS_HELP:
        std::fputs(SIM_USAGE, stdout);
        return 0;
    case SIM_ARGS_ERROR:
        std::fprintf(stderr, "dyxel-sim: %s\n%s", error.c_str(), SIM_USAGE);
        return 2;
    default:
        break;
    }
    if (options.advise) {
        startExpertTable(SIM_THREADS);
        return RunAdvise(stdin, stdout);
    }
    if (options.review) {
        startExpertTable(SIM_THREADS);
        return RunReview(stdin, stdout);
    }
    if (!options.timeGiven)
        options.time = static_cast<uint32_t>(std::time(nullptr));
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    setUp();

    Summary summary;
    const auto start = std::chrono::steady_clock::now();
    for (currentGame = 1; currentGame <= options.games; currentGame++) {
        // Game k is seeded with T + k - 1, wrapping like the 32-bit calendar time it stands for.
        currentSeed = options.time + static_cast<uint32_t>(currentGame - 1);
        // As "&Omspel": the same players again, slot 0 first.
        gameState.topTenShown = 0;
        resetGame(false);
        gameState.sheetVisible = 1;
        newGame();
        if (!options.trace)
            count(summary);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!options.trace)
        printSummary(summary, elapsed.count());
    return std::fflush(stdout) == 0 ? 0 : 1;
}
