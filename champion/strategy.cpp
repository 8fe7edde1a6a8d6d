// The champion robot and its advice. A turn's plan is worked out once, at its first decision,
// from a copy of the table; later decisions of the same turn read it.
//
// Sounds: as the expert's, which answer the heuristic's cues.
#include "champion/champion.h"
#include "champion/plan.h"
#include "core/scoring.h"
#include "expert/expert.h"
#include "expert/table.h"
#include <atomic>
#include <cstring>
#include <memory>
#include <thread>

bool championOffThread = false;
bool championInSlices = false;

namespace {

// The heuristic robot's mean total over the expert's (207.0 against 248.4 over 1000 simulated
// games each): its sheets are modelled as the expert's spread with the mean scaled by this.
constexpr double HEURISTIC_SHARE = 0.833;
// How long each wait for a plan on its thread lets the windows paint.
constexpr int32_t WAIT_SLICE_MS = 10;

// What a plan depends on: every sheet, whose turn it is and how each opponent plays.
struct Table {
    int32_t player;
    int32_t count;
    int32_t cells[MAX_SLOTS][ROW_COUNT];
    double meanShare[MAX_SLOTS];
    bool operator==(const Table& o) const {
        return player == o.player && count == o.count &&
               std::memcmp(cells, o.cells, sizeof cells) == 0 &&
               std::memcmp(meanShare, o.meanShare, sizeof meanShare) == 0;
    }
};

Table tableNow(int32_t player) {
    Table t{};
    t.player = player;
    t.count = gameState.playerCount;
    for (int32_t p = 0; p < t.count && p < MAX_SLOTS; p++) {
        const PlayerSheet& sheet = gameState.players[p];
        std::memcpy(t.cells[p], sheet.cells, sizeof t.cells[p]);
        // A human, the expert and another champion are all modelled as the expert.
        const bool heuristic = sheet.isRobot != 0 && RobotKindOf(p) == ROBOT_HEURISTIC;
        t.meanShare[p] = heuristic ? HEURISTIC_SHARE : 1.0;
    }
    return t;
}

bool hasOpponents(const Table& t) {
    return t.count > 1;
}

void work(const Table& t, TurnPlan& plan) {
    std::vector<std::vector<double>> opponents;
    for (int32_t p = 0; p < t.count; p++) {
        if (p == t.player)
            continue;
        const int32_t* cells = t.cells[p];
        const std::vector<double> rest =
            remainingSpread(expertUsedRows(cells), cells[ROW_SUM], t.meanShare[p]);
        std::vector<double> final(TOTALS, 0.0);
        const int32_t total = cells[ROW_TOTAL] < 0 ? 0 : cells[ROW_TOTAL];
        for (size_t i = 0; i < rest.size(); i++)
            final[std::min(static_cast<size_t>(total) + i, final.size() - 1)] += rest[i];
        opponents.push_back(std::move(final));
    }
    planTurn(plan, t.cells[t.player], opponents);
}

struct Cached {
    bool valid = false;
    Table table;
    TurnPlan plan;
};
Cached cached;

// The plan for the table as it stands; on a thread of its own while the windows paint, where
// there are threads and a pause to paint in.
const TurnPlan& planNow(const Table& t) {
    if (cached.valid && cached.table == t)
        return cached.plan;
    cached.valid = false;
    if (!championOffThread || frontEnd.pause == nullptr) {
        const bool slices = championInSlices && frontEnd.pause != nullptr;
        StartSlices();
        championBreather = slices ? PaintBetweenSlices : nullptr;
        work(t, cached.plan);
        championBreather = nullptr;
    } else {
        std::atomic<bool> done{false};
        std::thread thread([&] {
            work(t, cached.plan);
            done.store(true, std::memory_order_release);
        });
        while (!done.load(std::memory_order_acquire))
            frontEnd.pause(WAIT_SLICE_MS);
        thread.join();
    }
    cached.table = t;
    cached.valid = true;
    return cached.plan;
}

int32_t rollOf(const DiceThrow& d) {
    int32_t counts[6] = {};
    for (int32_t f : d.face)
        counts[f >= 0 && f < 6 ? f : 0]++;
    return keepIndex(counts);
}

// Holds the first dice of each face, as many as the keep has; returns the keep.
int32_t holdKeep(const std::vector<double>& keepValues, const DiceThrow& d, int32_t held[5]) {
    int32_t counts[6] = {};
    for (int32_t f : d.face)
        counts[f >= 0 && f < 6 ? f : 0]++;
    const int32_t keep = bestKeep(keepValues.data(), counts);
    int32_t want[6];
    for (int32_t f = 0; f < 6; f++)
        want[f] = diceSets().count[keep][f];
    for (int32_t i = 0; i < 5; i++) {
        const int32_t f = d.face[i] >= 0 && d.face[i] < 6 ? d.face[i] : 0;
        held[i] = want[f] > 0 ? 1 : 0;
        want[f] -= held[i];
    }
    return keep;
}

bool sheetFull(const int32_t* cells) {
    return expertUsedRows(cells) == EXPERT_ALL_USED;
}

void planChampion(DiceThrow& d, int32_t throwNumber) {
    const int32_t player = gameState.currentPlayer;
    const Table t = tableNow(player);
    if (!hasOpponents(t))
        return expertRobot.plan(d, throwNumber);
    if (throwNumber >= 3 || sheetFull(t.cells[player])) {
        for (int32_t& h : d.held)
            h = 0;
        return;
    }
    const TurnPlan& plan = planNow(t);
    holdKeep(throwNumber == 1 ? plan.keepTwo : plan.keepOne, d, d.held);
}

int32_t chooseChampionRow(DiceThrow& d) {
    const int32_t player = gameState.currentPlayer;
    const Table t = tableNow(player);
    if (!hasOpponents(t))
        return expertRobot.chooseRow(d);
    if (sheetFull(t.cells[player]))
        return -1;
    double worth;
    const int32_t row = expertRowOf(planRowBit(planNow(t), rollOf(d), worth));
    CueRowSounds(player, row, d);
    return row;
}

} // namespace

const RobotStrategy championRobot = {planChampion, chooseChampionRow};

ChampionAdvice championAdvice(int32_t player, const DiceThrow& dice, int32_t throwsLeft) {
    ChampionAdvice advice{{0, 0, 0, 0, 0}, -1, 0.0, 0.0, false};
    const Table t = tableNow(player);
    if (!hasOpponents(t) || sheetFull(t.cells[player]))
        return advice;
    advice.hasOpponents = true;
    const TurnPlan& plan = planNow(t);
    // The expected total: the advice, then the expert's play.
    std::unique_ptr<TurnScratch> scratch(new TurnScratch);
    std::unique_ptr<TurnValues> expert(new TurnValues);
    turnValue(expertTable(), plan.used, plan.sum, *scratch, *expert);
    double worth;
    if (throwsLeft > 0) {
        const std::vector<double>& keeps = throwsLeft >= 2 ? plan.keepTwo : plan.keepOne;
        const int32_t keep = holdKeep(keeps, dice, advice.hold);
        worth = keeps[static_cast<size_t>(keep)];
        const double* values = throwsLeft >= 2 ? expert->keepTwo : expert->keepOne;
        advice.expectedTotal = plan.total + values[keep];
    } else {
        const int32_t roll = rollOf(dice);
        const int32_t bit = planRowBit(plan, roll, worth);
        advice.row = expertRowOf(bit);
        const int32_t score = static_cast<int32_t>(diceSets().score[bit][roll]);
        const uint32_t next = plan.used | 1u << bit;
        const int32_t sum = bit < 6 ? plan.sum + score : plan.sum;
        const bool bonus = bit < 6 && plan.sum < BONUS_SUM && sum >= BONUS_SUM;
        advice.expectedTotal =
            plan.total + score + (bonus ? BONUS_POINTS : 0) + expertValue(next, sum);
    }
    // The tie-break's points add far less than a rounding of the shown per cent.
    advice.winChance = worth < 0 ? 0 : (worth > 1 ? 1 : worth);
    return advice;
}

void prepareChampion() {
    waitExpertTable();
    remainingVariance(0);
}
