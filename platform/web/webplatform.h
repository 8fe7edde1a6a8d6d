// What the pieces of the browser platform layer share among themselves, and the page's
// JavaScript functions they call (imports.js). Not for the game.
#pragma once
#include "platform/draw.h"
#include "platform/strokes.h"
#include "platform/window.h"
#include <cstdint>

// Events as the page queues them; the C++ side takes them when it is ready for them.
enum WebEventClass : int32_t {
    EVENTS_ROOT = 1,   // menu commands, mouse and keys of the root window
    EVENTS_DICE = 2,   // the dice window's commands, die presses, double click and keys
    EVENTS_DIALOG = 4, // the player dialog's buttons and Escape
    EVENTS_BOX = 8,    // a message box's answer
    EVENTS_SYSTEM = 16 // the window system: a new size, the page going away
};

enum WebEventType : int32_t {
    EVENT_NONE = 0,
    EVENT_ROOT_COMMAND = 1,
    EVENT_ROOT_LEFT = 2,
    EVENT_ROOT_DOUBLE = 3,
    EVENT_ROOT_RIGHT = 4,
    EVENT_ROOT_KEY = 5,
    EVENT_DICE_COMMAND = 6,
    EVENT_DICE_DOUBLE = 7,
    EVENT_DIE_PRESS = 8,
    EVENT_DICE_KEY = 9,
    EVENT_DIALOG_COMMAND = 10,
    EVENT_BOX_ANSWER = 11,
    EVENT_ROOT_SIZE = 12,
    EVENT_SESSION_END = 13,
    EVENT_FILES_CHANGED = 14,
};

// Canvases the surfaces draw on: the root window, the dice window's client area, the dice.
enum WebCanvas : int32_t {
    CANVAS_NONE = -1,
    CANVAS_ROOT = 0,
    CANVAS_DICE = 1,
    CANVAS_DIE_FIRST = 2, // 2..6
};

extern "C" {
// Sleeps, keeping the page alive, until an event of a class in `mask` is queued or `timeout`
// milliseconds have passed (never, when negative). The one asynchronous import.
int32_t dyxel_wait(int32_t mask, int32_t timeout);
// Takes the oldest queued event of a class in `mask`: its type (EVENT_NONE when there is none)
// and up to three arguments.
int32_t dyxel_take(int32_t mask, int32_t* args);
void dyxel_start();
void dyxel_stop();
// Hands the data files to the browser's storage: with `wait`, sleeps until it has them or has
// refused them (0); else only starts the handing over.
int32_t dyxel_flush_files(int32_t wait);
// Sleeps until the lock over the data files is held by this tab, then reads the stored files
// afresh; released by dyxel_unlock_files.
void dyxel_lock_files();
void dyxel_unlock_files();
// Nonzero when the page could not open its storage at start-up.
int32_t dyxel_storage_failed();

void dyxel_menu_add(int32_t depth, int32_t commandId, const char* text, int32_t check);
void dyxel_menu_check(int32_t commandId, int32_t checked);
void dyxel_menu_enable(int32_t commandId, int32_t enabled);
void dyxel_root_create(const char* title, int32_t outerWidth, int32_t outerHeight);
void dyxel_root_resize(int32_t width, int32_t height);
void dyxel_root_gone();
void dyxel_dice_command_add(int32_t commandId, const char* text);
void dyxel_dice_create(const char* title, int32_t x, int32_t y, int32_t clientWidth,
                       int32_t clientHeight);
void dyxel_dice_highlight(int32_t commandId, int32_t on);
void dyxel_show(int32_t window, int32_t shown);
void dyxel_title(int32_t window, const char* text);
void dyxel_activate(int32_t window);
void dyxel_client_size(int32_t window, int32_t* size);
int32_t dyxel_window_rect(int32_t window, int32_t* rect);

void dyxel_fill(int32_t canvas, int32_t left, int32_t top, int32_t right, int32_t bottom,
                int32_t rgb);
void dyxel_line(int32_t canvas, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t width,
                int32_t rgb);
void dyxel_text(int32_t canvas, int32_t x, int32_t y, const char* text, int32_t length,
                int32_t rgb);
int32_t dyxel_measure(const char* text, int32_t length);
// Puts the part (partX, partY, partWidth, partHeight) of an RGBA image of width x height pixels
// on the canvas, the image's origin at (x, y).
void dyxel_put(int32_t canvas, const uint8_t* rgba, int32_t width, int32_t height, int32_t x,
               int32_t y, int32_t partX, int32_t partY, int32_t partWidth, int32_t partHeight);

void dyxel_page_icon(const uint8_t* rgba, int32_t width, int32_t height);

void dyxel_box_open(const char* text, const char* caption, int32_t yesNo, int32_t icon,
                    int32_t owned);
void dyxel_box_close();
void dyxel_dialog_open();
void dyxel_dialog_close();
void dyxel_dialog_raise();
int32_t dyxel_dialog_text(char* buffer, int32_t capacity);
void dyxel_dialog_set_text(const char* text);
void dyxel_dialog_focus();
int32_t dyxel_dialog_robot();
void dyxel_dialog_set_robot(int32_t checked);
void dyxel_dialog_list_add(const char* text);
void dyxel_help_open(const char* html, int32_t length);
void dyxel_help_close();
int32_t dyxel_play(int32_t resourceId);
// The screen in words (platform/web/a11y.js): the twin's state and what to read aloud.
void dyxel_access(const char* state, const char* said);
}

// The windows' state on the C++ side.
struct WebWindows {
    bool rootCreated = false;
    bool rootGone = false;
    bool diceCreated = false;
    bool diceShown = false;
    Rect invalid[2] = {};   // bounding boxes of the invalid areas, per WindowId
    int32_t modalDepth = 0; // dialogs and boxes open
    int32_t pauseDepth = 0;
    bool quitRequested = false;
    bool sessionEnding = false; // boxes can no longer be shown
};
extern WebWindows windows;

// A surface is a canvas and the drawing state selected into it.
struct Surface : PaintState {
    int32_t canvas; // a WebCanvas
};

// Called each time the game is about to wait, with everything drawn: the page's accessible
// twin is brought in step from the game's state here (app/web/access.cpp).
extern void (*beforeWait)();
// dyxel_wait, once the twin is in step.
int32_t WaitForEvents(int32_t mask, int32_t timeout);

// Dispatches the queued events of the classes in `mask`; false when there were none.
bool DispatchQueued(int32_t mask);
// The program's icon (resource 101) as the page's icon.
void SetPageIcon();
// The root window is going away: tells the ui, then ends the loop.
void DestroyRootWindow();
