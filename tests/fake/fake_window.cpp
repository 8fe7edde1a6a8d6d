// The two windows: invalid areas, paint handlers run on update, titles, show and hide.
#include "tests/fake/fake_platform.h"
#include <algorithm>
#include <string>

namespace {

const char* windowName(WindowId w) {
    return w == WINDOW_ROOT ? "root" : "dice";
}

bool validWindow(WindowId w) {
    return w == WINDOW_ROOT || w == WINDOW_DICE;
}

bool isEmpty(const Rect& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

void invalidateAll(WindowId w) {
    fake.invalid[w] = Rect{0, 0, fake.clientWidth[w], fake.clientHeight[w]};
}

} // namespace

bool PlatformStart(int, char**) {
    FakeLog("platform start");
    return true;
}

bool RegisterWindowClasses() {
    FakeLog("register classes");
    return !fake.registerFails;
}

bool CreateRootWindow(const char* title, int32_t outerWidth, int32_t outerHeight) {
    FakeLog("create root '" + std::string(title) + "' " + std::to_string(outerWidth) + "x" +
            std::to_string(outerHeight));
    if (fake.rootCreateFails)
        return false;
    fake.exists[WINDOW_ROOT] = true;
    fake.title[WINDOW_ROOT] = title;
    if (platformEvents.rootCreate)
        platformEvents.rootCreate();
    return true;
}

bool CreateDiceWindow(const char* title, int32_t x, int32_t y, int32_t outerWidth) {
    FakeLog("create dice '" + std::string(title) + "' at (" + std::to_string(x) + "," +
            std::to_string(y) + ") width " + std::to_string(outerWidth));
    if (fake.diceCreateFails)
        return false;
    fake.exists[WINDOW_DICE] = true;
    fake.title[WINDOW_DICE] = title;
    return true;
}

int32_t RunMessageLoop() {
    FakeLog("loop");
    if (fake.loopScript)
        fake.loopScript();
    FakeLog("loop ends");
    return fake.loopExitCode;
}

void InvalidateArea(WindowId w, const Rect& r) {
    if (!validWindow(w))
        return;
    FakeLog(std::string("invalidate ") + windowName(w) + " " + FakeRect(r));
    // Like the window system, the invalid area never reaches outside the client area.
    const Rect clipped{std::max(r.left, 0), std::max(r.top, 0),
                       std::min(r.right, fake.clientWidth[w]),
                       std::min(r.bottom, fake.clientHeight[w])};
    if (isEmpty(clipped))
        return;
    Rect& u = fake.invalid[w];
    if (isEmpty(u))
        u = clipped;
    else
        u = Rect{std::min(u.left, clipped.left), std::min(u.top, clipped.top),
                 std::max(u.right, clipped.right), std::max(u.bottom, clipped.bottom)};
}

void UpdateWindowNow(WindowId w) {
    if (!validWindow(w) || isEmpty(fake.invalid[w]))
        return;
    FakeLog(std::string("paint ") + windowName(w));
    void (*handler)() = w == WINDOW_ROOT ? platformEvents.rootPaint : platformEvents.dicePaint;
    if (handler)
        handler();
}

bool GetUpdateBounds(WindowId w, Rect* bounds) {
    if (!validWindow(w) || isEmpty(fake.invalid[w]))
        return false;
    *bounds = fake.invalid[w];
    return true;
}

void ValidateWindow(WindowId w) {
    if (!validWindow(w))
        return;
    FakeLog(std::string("validate ") + windowName(w));
    fake.invalid[w] = Rect{};
}

void GetClientSize(WindowId w, int32_t* width, int32_t* height) {
    *width = validWindow(w) ? fake.clientWidth[w] : 0;
    *height = validWindow(w) ? fake.clientHeight[w] : 0;
}

void ShowWindowNow(WindowId w) {
    if (!validWindow(w))
        return;
    FakeLog(std::string("show ") + windowName(w));
    const bool wasShown = fake.shown[w];
    fake.shown[w] = true;
    if (wasShown)
        return;
    invalidateAll(w);
    // The root window paints itself when it appears; the dice window waits for an update.
    if (w == WINDOW_ROOT)
        UpdateWindowNow(w);
}

void HideWindow(WindowId w) {
    if (!validWindow(w))
        return;
    FakeLog(std::string("hide ") + windowName(w));
    fake.shown[w] = false;
    if (fake.activeWindow == w)
        fake.activeWindow = -1;
}

void SetWindowTitle(WindowId w, const char* text) {
    if (!validWindow(w))
        return;
    fake.title[w] = text;
    FakeLog(std::string("title ") + windowName(w) + " '" + text + "'");
}

void ActivateWindow(WindowId w) {
    if (!validWindow(w))
        return;
    FakeLog(std::string("activate ") + windowName(w));
    if (fake.shown[w])
        fake.activeWindow = w;
}

bool GetWindowRectInRoot(WindowId w, Rect* r) {
    if (w != WINDOW_DICE || !fake.diceRectKnown)
        return false;
    *r = fake.diceRectInRoot;
    return true;
}

void CloseRootWindow() {
    FakeLog("close root");
    if (!fake.exists[WINDOW_ROOT])
        return;
    fake.exists[WINDOW_ROOT] = false;
    fake.exists[WINDOW_DICE] = false;
    fake.shown[WINDOW_ROOT] = false;
    fake.shown[WINDOW_DICE] = false;
    if (platformEvents.rootDestroy)
        platformEvents.rootDestroy();
}
