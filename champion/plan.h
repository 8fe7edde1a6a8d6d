// One turn of the champion worked out for the win: the worth of every keep and row for the
// player whose turn it is, given the table as it stands.
#pragma once
#include "champion/model.h"
#include "expert/turn.h"
#include <cstdint>
#include <vector>

// The champion's own last turns are worked out exactly when it has this many free rows or fewer.
constexpr int32_t EXACT_OWN_ROWS = 5;

struct TurnPlan {
    uint32_t used;
    int32_t sum;                  // settled as the model reads it
    int32_t total;                // "Total" now
    std::vector<double> utility;  // the worth of each final total
    std::vector<double> keepOne;  // each keep's worth with one throw to come
    std::vector<double> keepTwo;  // with two
    std::vector<double> rowWorth; // by roll and row bit: the worth of writing it, -1 if used
};

// Works out the turn for a sheet (its free rows, "summa" and "Total") against opponents whose
// final totals have these distributions.
void planTurn(TurnPlan& plan, const int32_t* cells,
              const std::vector<std::vector<double>>& opponents);

// The row bit to write with a roll, the first in sheet order of the best; its worth in `worth`.
int32_t planRowBit(const TurnPlan& plan, int32_t roll, double& worth);
