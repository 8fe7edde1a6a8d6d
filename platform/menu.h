// Menu check marks and the highlighted command of the dice window's command row.
#pragma once
#include <cstdint>

void SetMenuCheck(int32_t commandId, bool checked);
// A root menu command greyed out (false) or offered again.
void SetMenuEnabled(int32_t commandId, bool enabled);
void SetDiceCommandHighlight(int32_t commandId, bool highlighted);
