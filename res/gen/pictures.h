// The game's pictures, drawn from scratch.
#pragma once
#include "res/gen/image.h"

// One die face, 64 x 64, for the dice window and the strip below the sheet.
Picture MakeFace(int pips, bool held);
// The icon, size x size with alpha: 48 for the window, 48 and 256 for the desktop's menus.
Picture MakeIcon(int size);
// The felt behind everything, 300 x 450; stretched to the window.
Picture MakeBackground();
// The corner logo, 120 x 88; false when the lettering could not be rendered.
bool MakeLogo(Picture* out);
