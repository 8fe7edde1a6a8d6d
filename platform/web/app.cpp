// The page's events reach the game only here: the message loop, the modal loops and the pause
// take them from the page's queue and dispatch them on the one C++ stack, so no handler ever
// runs inside another by surprise. While the game waits, Asyncify hands the browser its turn.
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/web/webplatform.h"
#include <emscripten.h>

PlatformEvents platformEvents;
WebWindows windows;
void (*beforeWait)();

// Called by the data files after each replacement of a file and around their lock
// (platform/posix/datafiles.cpp).
extern bool (*dataFilesWritten)();
extern void (*dataFilesLocked)(bool held);

namespace {

bool started = false;

// The browser's storage is shared by every tab of the page: the lock is held across them, the
// stored files are read afresh under it, and a write counts once the storage has it. A page
// going away cannot wait for either: "state" is written whole, the last writer wins.
bool filesWritten() {
    return dyxel_flush_files(windows.sessionEnding ? 0 : 1) != 0;
}

void filesLocked(bool held) {
    if (held && !windows.sessionEnding)
        dyxel_lock_files();
    else if (!held)
        dyxel_unlock_files();
}

// The page could not open its storage: said once, as a file that cannot be created is.
void reportStorage() {
    if (dyxel_storage_failed() != 0 && !windows.rootGone)
        ShowMessageBox("Kan inte skapa fil till spelet", "Fel!", MBOX_OK, MBOX_ICON_NONE, true);
}

template <typename... Args> void call(void (*handler)(Args...), Args... args) {
    if (handler != nullptr && !windows.rootGone)
        handler(args...);
}

void resizeRoot(int32_t width, int32_t height) {
    dyxel_root_resize(width, height);
    // Every change of size repaints the whole client area, as the window class asked.
    windows.invalid[WINDOW_ROOT] = Rect{0, 0, width, height};
    UpdateWindowNow(WINDOW_ROOT);
}

void endSession() {
    windows.sessionEnding = true;
    if (platformEvents.sessionEnding != nullptr)
        platformEvents.sessionEnding();
    windows.sessionEnding = false;
}

void dispatch(int32_t type, const int32_t* a) {
    switch (type) {
    case EVENT_ROOT_COMMAND:
        call(platformEvents.rootCommand, a[0]);
        break;
    case EVENT_ROOT_LEFT:
        call(platformEvents.rootLeftDown, a[0], a[1]);
        break;
    case EVENT_ROOT_DOUBLE:
        call(platformEvents.rootLeftDoubleClick, a[0], a[1]);
        break;
    case EVENT_ROOT_RIGHT:
        call(platformEvents.rootRightDown, a[0], a[1]);
        break;
    case EVENT_ROOT_KEY:
        call(platformEvents.rootKey, a[0]);
        break;
    case EVENT_DICE_COMMAND:
        call(platformEvents.diceCommand, a[0]);
        break;
    case EVENT_DICE_DOUBLE:
        call(platformEvents.diceDoubleClick);
        break;
    case EVENT_DIE_PRESS:
        call(platformEvents.diePressed, a[0]);
        break;
    case EVENT_DICE_KEY:
        call(platformEvents.diceKey, a[0]);
        break;
    case EVENT_DIALOG_COMMAND:
        if (platformEvents.dialogCommand != nullptr)
            platformEvents.dialogCommand(a[0]);
        break;
    case EVENT_ROOT_SIZE:
        if (windows.rootCreated && !windows.rootGone)
            resizeRoot(a[0], a[1]);
        break;
    case EVENT_SESSION_END:
        endSession();
        break;
    case EVENT_FILES_CHANGED: // another tab wrote them: whatever shows them is drawn anew
        if (windows.rootCreated && !windows.rootGone) {
            int32_t size[2];
            dyxel_client_size(WINDOW_ROOT, size);
            windows.invalid[WINDOW_ROOT] = Rect{0, 0, size[0], size[1]};
            UpdateWindowNow(WINDOW_ROOT);
        }
        break;
    default: // a box's answer outside its box: nobody asks any more
        break;
    }
}

} // namespace

int32_t WaitForEvents(int32_t mask, int32_t timeout) {
    if (beforeWait != nullptr && !windows.rootGone)
        beforeWait();
    return dyxel_wait(mask, timeout);
}

bool DispatchQueued(int32_t mask) {
    bool any = false;
    int32_t args[3];
    for (int32_t type; (type = dyxel_take(mask, args)) != EVENT_NONE;) {
        dispatch(type, args);
        any = true;
    }
    return any;
}

bool PlatformStart() {
    if (!started)
        dyxel_start();
    started = true;
    dataFilesWritten = filesWritten;
    dataFilesLocked = filesLocked;
    return true;
}

void PlatformStop() {
    if (started)
        dyxel_stop();
    started = false;
}

bool RegisterWindowClasses() {
    return started;
}

int32_t RunMessageLoop() {
    if (!windows.rootCreated)
        return 0;
    reportStorage();
    for (;;) {
        // A close asked for inside a pause or a modal loop is carried out here, at the top.
        if (windows.quitRequested && !windows.rootGone)
            DestroyRootWindow();
        if (windows.rootGone)
            return 0;
        if (!DispatchQueued(EVENTS_ROOT | EVENTS_DICE | EVENTS_SYSTEM))
            WaitForEvents(EVENTS_ROOT | EVENTS_DICE | EVENTS_SYSTEM, -1);
    }
}

bool QuitRequested() {
    return windows.quitRequested;
}

void PauseKeepingPainted(int32_t milliseconds) {
    if (windows.quitRequested || milliseconds <= 0)
        return;
    const double end = emscripten_get_now() + milliseconds;
    windows.pauseDepth++;
    // Only the window system is served; the player's input waits in the queue until the game
    // is ready for it.
    for (;;) {
        DispatchQueued(EVENTS_SYSTEM);
        const double left = end - emscripten_get_now();
        if (left <= 0 || windows.quitRequested || windows.rootGone)
            break;
        WaitForEvents(EVENTS_SYSTEM, static_cast<int32_t>(left + 0.999));
    }
    windows.pauseDepth--;
}

void CloseRootWindow() {
    if (!windows.rootCreated || windows.rootGone)
        return;
    if (windows.pauseDepth > 0 || windows.modalDepth > 0) {
        windows.quitRequested = true;
        return;
    }
    DestroyRootWindow();
}

void DestroyRootWindow() {
    if (windows.rootGone)
        return;
    if (platformEvents.rootDestroy != nullptr)
        platformEvents.rootDestroy();
    windows.rootGone = true;
    windows.diceShown = false;
    dyxel_root_gone();
}
