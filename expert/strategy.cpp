// The expert robot and the hint, both read from the table.
//
// Sounds: the turn's pacing plays the throw sounds; the expert's own cues answer the heuristic's.
// When it writes its row it plays, in this order, the five-of-a-kind sound if all five dice show
// one face (whatever the row), the bonus sound if the write takes "summa" to 63 or more, and the
// cross-out sound if the row scores 0.
#include "core/hooks.h"
#include "core/scoring.h"
#include "expert/expert.h"
#include "expert/table.h"
#include "expert/turn.h"

namespace {

// The turn values of the sheet state asked about last: a robot's three plans and its row, or the
// hint asked again and again during one turn, reuse them. Used from one thread, the windows'.
struct CachedTurn {
    bool valid;
    uint32_t used;
    int32_t sum;
    TurnValues values;
    TurnScratch scratch;
};
CachedTurn cached;

// The same for a turn under "&3 Kast": the keeps' ranks and the turn's worth.
struct CachedUnlimited {
    bool valid;
    uint32_t used;
    int32_t sum;
    double worth;
    double keepRanks[KEEPS];
};
CachedUnlimited unlimited;

int32_t cappedSum(const int32_t* cells) {
    const int32_t s = cells[ROW_SUM];
    return s < 0 ? 0 : (s < EXPERT_SUMS - 1 ? s : EXPERT_SUMS - 1);
}

const TurnValues& turnOf(uint32_t used, int32_t sum) {
    if (!cached.valid || cached.used != used || cached.sum != sum) {
        turnValue(expertTable(), used, sum, cached.scratch, cached.values);
        cached.valid = true;
        cached.used = used;
        cached.sum = sum;
    }
    return cached.values;
}

// Dice of each face, counted from the faces themselves.
void countFaces(const DiceThrow& d, int32_t counts[6]) {
    for (int32_t f = 0; f < 6; f++)
        counts[f] = 0;
    for (int32_t f : d.face)
        counts[f >= 0 && f < 6 ? f : 0]++;
}

// Holds the first dice of each face, as many as the keep has; returns the keep's value.
double holdKeep(const double* keepValues, const DiceThrow& d, int32_t held[5]) {
    int32_t counts[6];
    countFaces(d, counts);
    const int32_t keep = bestKeep(keepValues, counts);
    int32_t want[6];
    for (int32_t f = 0; f < 6; f++)
        want[f] = diceSets().count[keep][f];
    for (int32_t i = 0; i < 5; i++) {
        const int32_t f = d.face[i] >= 0 && d.face[i] < 6 ? d.face[i] : 0;
        held[i] = want[f] > 0 ? 1 : 0;
        want[f] -= held[i];
    }
    return keepValues[keep];
}

// The row to write; its worth, now and to come, in `value`. -1 for a full sheet.
int32_t bestRow(const int32_t* cells, const DiceThrow& d, double& value) {
    const uint32_t used = expertUsedRows(cells);
    value = 0;
    if (used == EXPERT_ALL_USED)
        return -1;
    int32_t counts[6];
    countFaces(d, counts);
    const int32_t bit = bestRowBit(expertTable(), used, cappedSum(cells), keepIndex(counts), value);
    return expertRowOf(bit);
}

const int32_t* currentCells() {
    return gameState.players[gameState.currentPlayer].cells;
}

void planExpert(DiceThrow& d, int32_t throwNumber) {
    const int32_t* cells = currentCells();
    const uint32_t used = expertUsedRows(cells);
    if (throwNumber >= 3 || used == EXPERT_ALL_USED) {
        for (int32_t& h : d.held)
            h = 0;
        return;
    }
    const TurnValues& t = turnOf(used, cappedSum(cells));
    holdKeep(throwNumber == 1 ? t.keepTwo : t.keepOne, d, d.held);
}

int32_t chooseExpertRow(DiceThrow& d) {
    double value;
    const int32_t row = bestRow(currentCells(), d, value);
    if (row < 0)
        return row;
    CueRowSounds(gameState.currentPlayer, row, d);
    return row;
}

} // namespace

const RobotStrategy expertRobot = {planExpert, chooseExpertRow};

void CueRowSounds(int32_t player, int32_t row, const DiceThrow& d) {
    const ScoreChange change = scoreChange(player, row, d);
    if (d.face[0] == d.face[1] && d.face[0] == d.face[2] && d.face[0] == d.face[3] &&
        d.face[0] == d.face[4])
        CueFiveOfAKindSound();
    if (change.bonusGained != 0)
        CueBonusSound();
    if (change.score == 0)
        CueCrossOutSound();
}

uint32_t expertUsedRows(const int32_t* cells) {
    uint32_t used = 0;
    for (int32_t bit = 0; bit < EXPERT_ROWS; bit++)
        used |= static_cast<uint32_t>(cells[expertRowOf(bit)] != 0) << bit;
    return used;
}

int32_t expertRowOf(int32_t bit) {
    return bit < 6 ? bit : bit + 2; // past "summa" and "bonus"
}

ExpertAdvice expertAdvice(const int32_t* cells, const DiceThrow& dice, int32_t throwsLeft) {
    ExpertAdvice advice{{0, 0, 0, 0, 0}, -1, static_cast<double>(cells[ROW_TOTAL])};
    const uint32_t used = expertUsedRows(cells);
    if (used == EXPERT_ALL_USED)
        return advice;
    double value;
    if (throwsLeft > 0) {
        const TurnValues& t = turnOf(used, cappedSum(cells));
        value = holdKeep(throwsLeft >= 2 ? t.keepTwo : t.keepOne, dice, advice.hold);
    } else {
        advice.row = bestRow(cells, dice, value);
    }
    advice.expectedTotal += value;
    return advice;
}

double expertKeepWorth(const int32_t* cells, const int32_t keep[6], int32_t throwsLeft) {
    const uint32_t used = expertUsedRows(cells);
    const int32_t k = keepIndex(keep);
    if (used == EXPERT_ALL_USED || k < 0)
        return -1;
    const TurnValues& t = turnOf(used, cappedSum(cells));
    return (throwsLeft >= 2 ? t.keepTwo : t.keepOne)[k];
}

double expertRowWorth(const int32_t* cells, const DiceThrow& dice, int32_t row) {
    const int32_t bit = row < 6 ? row : row - 2;
    if (row < 0 || row >= ROW_TOTAL || row == ROW_SUM || row == ROW_BONUS || cells[row] != 0)
        return -1;
    DiceThrow d{};
    for (int32_t i = 0; i < 5; i++)
        d.face[i] = dice.face[i] >= 0 && dice.face[i] < 6 ? dice.face[i] : 0;
    analyseThrow(d);
    // As the table weighs a write: its points and any bonus it wins, then the state after.
    const int32_t sum = cappedSum(cells);
    const int32_t points = rowScore(row, d);
    if (bit >= 6)
        return points + expertValue(expertUsedRows(cells) | 1u << bit, sum);
    const int32_t after = sum + points < EXPERT_SUMS - 1 ? sum + points : EXPERT_SUMS - 1;
    const int32_t bonus = sum < EXPERT_SUMS - 1 && after == EXPERT_SUMS - 1 ? 50 : 0;
    return points + bonus + expertValue(expertUsedRows(cells) | 1u << bit, after);
}

ExpertAdvice expertAdviceUnlimited(const int32_t* cells, const DiceThrow& dice) {
    ExpertAdvice advice{{0, 0, 0, 0, 0}, -1, static_cast<double>(cells[ROW_TOTAL])};
    const uint32_t used = expertUsedRows(cells);
    if (used == EXPERT_ALL_USED)
        return advice;
    const int32_t sum = cappedSum(cells);
    if (!unlimited.valid || unlimited.used != used || unlimited.sum != sum) {
        unlimited.worth = unlimitedTurn(expertTable(), used, sum, unlimited.keepRanks);
        unlimited.valid = true;
        unlimited.used = used;
        unlimited.sum = sum;
    }
    holdKeep(unlimited.keepRanks, dice, advice.hold);
    advice.expectedTotal += unlimited.worth;
    return advice;
}
