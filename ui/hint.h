// "&Tips": the advice for the human whose turn it is, the expert's when alone, the champion's
// against opponents. A hint never throws and never writes a row: the dice window holds the dice
// to keep, the sheet proposes the best row.
#pragma once
#include "expert/expert.h"

// False when no human's turn runs. With opponents, `winChance` (when given) gets the chance to
// win with the advice, 0 to 1; alone it gets -1.
bool CurrentAdvice(ExpertAdvice* advice, double* winChance = nullptr);
// The expected final total as the dice window's title shows it: "241,3".
void FormatExpected(double total, char out[24]);
// The same, and the chance to win when there is one: "241,3 · vinst 63 %".
void FormatHint(double total, double winChance, char out[48]);
