// A request to end the program that must wait: during a robot's pause, or while a modal dialog
// or box runs its own loop, the root window goes only once control is back in the main loop.
#pragma once

// True while a pause is yielding.
bool InPause();
void EnterPause();
void LeavePause();
// Remembers the request and ends whatever modal dialog or box is open; the main loop then
// closes the root window.
void RequestQuit();
// The modal dialog or box that a quit request must end, or null.
extern class wxDialog* modalDialog;
// True once the display has gone: nothing can be shown any more.
extern bool displayLost;
