// The top-ten panel right of the score sheet.
#pragma once
#include "platform/draw.h"

Rect TopTenRect();
// Reads "h_score" anew and draws the list into its panel.
void DrawTopTen();
