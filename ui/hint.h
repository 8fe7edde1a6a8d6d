// "&Tips": the optimal strategy's advice for the human whose turn it is. A hint never throws and
// never writes a row: the dice window holds the dice to keep, the sheet proposes the best row.
#pragma once
#include "expert/expert.h"

// False when no human's turn runs.
bool CurrentAdvice(ExpertAdvice* advice);
// The expected final total as the dice window's title shows it: "241,3".
void FormatExpected(double total, char out[24]);
