// One turn under optimal play, for one sheet state: the rolls, the keeps, and what each is worth.
#pragma once
#include <cstdint>

// The distinct rolls of five dice, and the keeps: every multiset of zero to five dice. Keeps are
// numbered by size, five dice first (so the first ROLLS keeps are the rolls), and within a size
// in ascending order of their pips read as a word: 1-1 before 1-2 before 6-6. That numbering is
// the order of preference among keeps of equal value: the larger keep, then the first.
constexpr int32_t ROLLS = 252;
constexpr int32_t KEEPS = 462;

struct DiceSets {
    uint8_t count[KEEPS][6]; // dice of each face
    uint8_t size[KEEPS];
    int16_t plusOne[KEEPS][6];   // the keep with one more die of each face; the rolls have none
    int16_t minusOne[KEEPS][6];  // the keeps with one die less, one for each face shown
    uint8_t faces[KEEPS];        // how many faces the keep shows: its entries in minusOne
    int16_t smallFirst[KEEPS];   // the keeps by size, and within a size by faces shown
    int16_t groupEnd[6][6];      // by size and faces: where that group ends in smallFirst
    uint8_t faceCount[6][ROLLS]; // count[][] of the rolls, by face
    double chance[ROLLS];        // the probability of each roll of five fresh dice
    double score[15][ROLLS];     // each roll's score in each row a player chooses

    // The loops run for every state, as byte offsets into an array of Lanes (below), so that
    // an entry is one load away. plusOne of the keeps short of five, in keep order:
    uint16_t spreadFrom[KEEPS - ROLLS][6];
    // smallFirst with each keep followed by its minusOne; group (size, faces) ends at withinEnd.
    uint16_t within[KEEPS * 6];
    int16_t withinEnd[6][6];
    // The rolls that score in each row, grouped by score: row b's groups are rowGroups[b] to
    // rowGroups[b + 1]; group g holds scoring[groupStart[g]] to scoring[groupStart[g + 1]] and
    // scores groupScore[g], which in an upper row is the dice that show its face.
    uint16_t scoring[15 * ROLLS];
    int16_t groupStart[15 * ROLLS + 1];
    double groupScore[15 * ROLLS];
    int16_t rowGroups[15 + 1];
};
// Built once (the scores through the core's own scoring), then only read.
const DiceSets& diceSets();
// The keep with these counts of each face, or -1 for more than five dice.
int32_t keepIndex(const int32_t counts[6]);

// Several states of one sheet (the same used rows, different sums) are worked out side by side,
// one in each lane: the same steps on every lane, so each lane's result is what one state alone
// would give, bit for bit. Lanes go in pairs, the width every target's vector unit handles.
typedef double Pair __attribute__((vector_size(2 * sizeof(double))));
constexpr int32_t PAIRS = 2;
constexpr int32_t LANES = 2 * PAIRS;
struct Lanes {
    Pair pair[PAIRS];
};

// What a turn is worth from each point on, for one state, for decisions.
struct TurnValues {
    double keepOne[KEEPS]; // a keep with one throw to come; a roll's entry is its best row
    double keepTwo[KEEPS]; // a keep with two throws to come
};
// The keep values in lanes, each step worked in place.
struct TurnScratch {
    Lanes keep[KEEPS];
};

// Works out the states of the sheet `used` with these sums and gives their values: the expected
// sum of everything still to be scored. `table` holds the values of every later state (used rows
// x EXPERT_SUMS); the sheet has a free row. With `lane0`, lane 0's keep values are copied there.
void turnValues(const double* table, uint32_t used, const int32_t sums[LANES], TurnScratch& t,
                double values[LANES], TurnValues* lane0 = nullptr);
// One state: its value, and its keep values in `out`.
double turnValue(const double* table, uint32_t used, int32_t upperSum, TurnScratch& t,
                 TurnValues& out);

// The preferred keep within a roll (dice of each face) by these keep values: the first, in keep
// order, of those within a rounding error of the best.
int32_t bestKeep(const double* keepValues, const int32_t counts[6]);

// The preferred row for a final roll, as a bit of the used set: the first in sheet order of those
// within a rounding error of the best; its worth, now and to come, in `value`.
int32_t bestRowBit(const double* table, uint32_t used, int32_t upperSum, int32_t roll,
                   double& value);

// A turn under "&3 Kast", where throwing ends only when the player stops: any roll can still
// become the best stopping roll, so the turn is worth that roll's row (later turns as the
// table has them), returned. `keepValues` rank the keeps for bestKeep: the fewer throws still
// expected to reach such a roll, the higher; a whole roll only where it is one.
double unlimitedTurn(const double* table, uint32_t used, int32_t upperSum,
                     double keepValues[KEEPS]);
