// What the pieces of the Win32 platform layer share among themselves. Not for the game.
#pragma once
#include <windows.h>
// The drawing API has a DrawText of its own; the Win32 macro of that name must not rename it.
#undef DrawText
#include "platform/window.h"
#include <cstdint>
#include <utility>

// The windows, null until created and again once the root window is gone.
struct Win32Windows {
    HINSTANCE instance = nullptr;
    HWND root = nullptr;
    HWND dice = nullptr;
    HWND dieButtons[5] = {};
    HWND dialog = nullptr; // the new-player dialog while it is open
    HWND help = nullptr;
    bool rootGone = false;
};
extern Win32Windows win;

HWND WindowHandle(WindowId w);

// How deep the game's handlers are nested right now (modal boxes and dialogs run inside them).
extern int32_t handlerDepth;

// Calls one of the game's handlers, if installed, counting the nesting.
template <typename Fn, typename... Args> void CallHandler(Fn fn, Args&&... args) {
    if (fn == nullptr || win.rootGone)
        return;
    handlerDepth++;
    fn(std::forward<Args>(args)...);
    handlerDepth--;
}

// A close request that must wait until the game's handlers have returned: inside a pause, a
// modal box or a dialog. The main loop then destroys the root window.
bool CloseMustWait();
void RequestQuitLater();

// A key for rootKey / diceKey, or 0 when the message carries none of those the game takes.
int32_t PlatformKeyOf(UINT message, WPARAM wParam);

// The help window's class, registered with the game's own; without it the help stays shut.
void RegisterHelpClass();
// Escape in the help window or its text closes it; true when the message was taken.
bool HelpKeyMessage(const MSG& msg);

// Releases what the drawing layer keeps (the pens).
void ReleaseDrawingObjects();
