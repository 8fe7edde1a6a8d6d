// "&Tips": the optimal strategy's advice for the human whose turn it is. It never throws and
// never writes a row.
#pragma once

// While throws are left: holds the dice to keep and shows the expected final total in the dice
// window's title. While a row is to be chosen: proposes the best row, as a click on it would.
void ShowHint();
