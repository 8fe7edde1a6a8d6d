// The root window's frame and canvas.
#pragma once

// The root window is going away: tells the ui, then destroys the frame and ends the loop.
void DestroyRootWindow();
// A key of the root window or the dice window, as the game takes it: a PlatformKey, a printable
// character in lower case, or 0 for one that is not the game's.
int GameKey(const class wxKeyEvent& e);
