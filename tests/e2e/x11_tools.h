// What a window manager would do to a top-level window, for tests that run without one.
#pragma once

// The first top-level window titled exactly so, or 0.
unsigned long FindWindowByTitle(const char* title);
// False when there is no display or no such window.
bool SendCloseRequest(unsigned long window);
// Resizes the window from outside, as a user dragging its border would.
bool ResizeFromOutside(unsigned long window, int width, int height);
