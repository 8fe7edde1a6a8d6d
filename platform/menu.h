// Menu check marks and the highlighted command of the dice window's command row.
#pragma once
#include <cstdint>

void SetMenuCheck(int32_t commandId, bool checked);
void SetDiceCommandHighlight(int32_t commandId, bool highlighted);
