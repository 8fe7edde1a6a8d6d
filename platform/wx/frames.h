// The game's windows, as the pieces of the wxWidgets platform layer share them.
#pragma once
#include "platform/window.h"
#include "platform/wx/backed.h"

class wxFrame;
class wxDialog;

// Null until created, and again once the root window is gone.
struct PlatformWindows {
    wxFrame* rootFrame = nullptr;
    BackedWindow* rootCanvas = nullptr;
    wxFrame* diceFrame = nullptr;
    BackedWindow* dicePanel = nullptr;
    BackedWindow* dieButtons[5] = {};
    wxDialog* playerDialog = nullptr;
    bool rootGone = false;
};
extern PlatformWindows windows;

BackedWindow* WindowCanvas(WindowId w);
