// The root window and the dice window, and the events they deliver to the game.
#pragma once
#include "platform/draw.h"
#include <cstdint>

enum WindowId {
    WINDOW_ROOT = 0,
    WINDOW_DICE = 1,
};

// Handlers the front end installs before the windows are created. Any may stay null.
struct PlatformEvents {
    void (*rootCreate)();  // inside CreateRootWindow, once the menu bar exists
    void (*rootDestroy)(); // the root window is going away (close request or "&Avsluta")
    void (*rootPaint)();   // something of the root window is invalid
    void (*rootLeftDown)(int32_t x, int32_t y);
    void (*rootLeftDoubleClick)(int32_t x, int32_t y);
    void (*rootRightDown)(int32_t x, int32_t y);
    void (*rootCommand)(int32_t commandId);
    void (*dicePaint)();
    void (*diceCommand)(int32_t commandId);
    void (*diceDoubleClick)();
    // A die button was pressed (mouse or keyboard): toggles the die once.
    void (*diePressed)(int32_t die);
    // A die button must be redrawn without toggling (exposed, shown).
    void (*dieRedraw)(int32_t die);
    void (*dialogInit)();
    void (*dialogCommand)(int32_t commandId);
    // A key pressed in the root window or the dice window that no menu or control took: a
    // PlatformKey, or a printable character (letters in lower case).
    void (*rootKey)(int32_t key);
    void (*diceKey)(int32_t key);
    // The windows end without the normal shutdown (the display went away, the page is closed):
    // save now what the shutdown would save. Message boxes can no longer be shown.
    void (*sessionEnding)();
};

enum PlatformKey : int32_t {
    KEY_UP = 0x101,
    KEY_DOWN = 0x102,
    KEY_RETURN = 0x103, // Return and Enter
    KEY_F1 = 0x104,
};

extern PlatformEvents platformEvents;

// Starts the toolkit; the command line is not handed to it. False (with a message on standard
// error) when there is no display.
bool PlatformStart();
// Shuts the toolkit and the audio down, after the game's shutdown.
void PlatformStop();
bool RegisterWindowClasses();
// Outer size in pixels; the root window carries the menu bar of the resources.
bool CreateRootWindow(const char* title, int32_t outerWidth, int32_t outerHeight);
// Caption only, owned by the root window, five die buttons and the command row; stays hidden.
bool CreateDiceWindow(const char* title, int32_t x, int32_t y, int32_t outerWidth);
// Waits for events until the root window is gone; returns the exit code (0).
int32_t RunMessageLoop();

void InvalidateArea(WindowId w, const Rect& r);
// Runs the window's paint handler at once, inside the caller, when anything is invalid.
void UpdateWindowNow(WindowId w);
// The bounding rectangle of the invalid area; false when nothing is invalid.
bool GetUpdateBounds(WindowId w, Rect* bounds);
// Marks the whole client area valid.
void ValidateWindow(WindowId w);
void GetClientSize(WindowId w, int32_t* width, int32_t* height);
void ShowWindowNow(WindowId w);
void HideWindow(WindowId w);
void SetWindowTitle(WindowId w, const char* text);
void ActivateWindow(WindowId w);
// The window's outer rectangle in the root window's client coordinates.
bool GetWindowRectInRoot(WindowId w, Rect* r);
// The close request: destroys the root window, which ends the message loop.
void CloseRootWindow();
