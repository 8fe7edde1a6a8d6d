// The fake's windows, menus, message boxes, dialog, pause, sound and help.
#include "platform/dialog.h"
#include "platform/menu.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "tests/fake/fake.h"
#include <algorithm>
#include <cstring>

Fake fake;
PlatformEvents platformEvents;

namespace {

int32_t pauseDepth = 0;
bool dialogEnded = false;

bool isEmpty(const Rect& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

} // namespace

void FakeReset() {
    fake = Fake{};
    fake.window[WINDOW_ROOT].Resize(392, 448);
    fake.window[WINDOW_DICE].Resize(344, 88);
}

bool PlatformStart() {
    return true;
}
void PlatformStop() {}

bool RegisterWindowClasses() {
    return !fake.registerFails;
}

bool CreateRootWindow(const char* title, int32_t outerWidth, int32_t outerHeight) {
    fake.rootOuterWidth = outerWidth;
    fake.rootOuterHeight = outerHeight;
    if (fake.rootCreateFails)
        return false;
    fake.exists[WINDOW_ROOT] = true;
    fake.title[WINDOW_ROOT] = title;
    if (platformEvents.rootCreate)
        platformEvents.rootCreate();
    return true;
}

bool CreateDiceWindow(const char* title, int32_t, int32_t, int32_t) {
    if (fake.diceCreateFails)
        return false;
    fake.exists[WINDOW_DICE] = true;
    fake.title[WINDOW_DICE] = title;
    return true;
}

int32_t RunMessageLoop() {
    if (fake.loop)
        fake.loop();
    CloseRootWindow();
    return 0;
}

void InvalidateArea(WindowId w, const Rect& r) {
    Rect& inv = fake.invalid[w];
    const FakeImage& img = fake.window[w];
    const Rect a{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, img.width),
                 std::min(r.bottom, img.height)};
    if (isEmpty(a))
        return;
    inv = isEmpty(inv) ? a
                       : Rect{std::min(inv.left, a.left), std::min(inv.top, a.top),
                              std::max(inv.right, a.right), std::max(inv.bottom, a.bottom)};
}

void UpdateWindowNow(WindowId w) {
    if (isEmpty(fake.invalid[w]) || fake.rootGone)
        return;
    void (*paint)() = w == WINDOW_ROOT ? platformEvents.rootPaint : platformEvents.dicePaint;
    if (paint)
        paint();
    fake.invalid[w] = Rect{};
}

bool GetUpdateBounds(WindowId w, Rect* bounds) {
    *bounds = fake.invalid[w];
    return !isEmpty(*bounds);
}

void ValidateWindow(WindowId w) {
    fake.invalid[w] = Rect{};
}

void GetClientSize(WindowId w, int32_t* width, int32_t* height) {
    *width = fake.window[w].width;
    *height = fake.window[w].height;
}

// Showing a window exposes all of it, as the window system would.
void ShowWindowNow(WindowId w) {
    fake.shown[w] = true;
    InvalidateArea(w, Rect{0, 0, fake.window[w].width, fake.window[w].height});
}

void HideWindow(WindowId w) {
    fake.shown[w] = false;
}

void SetWindowTitle(WindowId w, const char* text) {
    fake.title[w] = text;
}

void ActivateWindow(WindowId w) {
    fake.active = w;
}

bool GetWindowRectInRoot(WindowId w, Rect* r) {
    *r = fake.diceRectInRoot;
    return w == WINDOW_DICE;
}

void CloseRootWindow() {
    if (pauseDepth > 0) {
        fake.quitRequested = true;
        return;
    }
    if (fake.rootGone || !fake.exists[WINDOW_ROOT])
        return;
    if (platformEvents.rootDestroy)
        platformEvents.rootDestroy();
    fake.rootGone = true;
}

void SetMenuCheck(int32_t commandId, bool checked) {
    fake.checks[commandId] = checked;
}

void SetMenuEnabled(int32_t commandId, bool enabled) {
    fake.enabled[commandId] = enabled;
}

void SetDiceCommandHighlight(int32_t commandId, bool highlighted) {
    fake.highlights[commandId] = highlighted;
}

int ShowMessageBox(const char* text, const char* caption, int style, int icon, bool owned) {
    fake.boxes.push_back(FakeBox{text, caption, style, icon, owned});
    if (style != MBOX_YESNO)
        return MBOX_ANSWER_OK;
    if (fake.answers.empty())
        return MBOX_ANSWER_NO;
    const int answer = fake.answers.front();
    fake.answers.erase(fake.answers.begin());
    return answer;
}

int32_t RunPlayerDialog() {
    fake.dialogOpen = true;
    dialogEnded = false;
    fake.edit.clear();
    fake.robotChecked = false;
    fake.listItems.clear();
    if (platformEvents.dialogInit)
        platformEvents.dialogInit();
    for (size_t i = 0; i < fake.entries.size() && !dialogEnded; i++) {
        fake.edit = fake.entries[i].text;
        fake.robotChecked = fake.entries[i].robot;
        if (platformEvents.dialogCommand)
            platformEvents.dialogCommand(fake.entries[i].command);
    }
    fake.entries.clear();
    fake.dialogOpen = false;
    return 0;
}

void EndPlayerDialog(int32_t) {
    dialogEnded = true;
}
void BringDialogToFront() {}

int32_t GetDialogEditText(char* buffer, int32_t capacity) {
    const auto n = std::min<int32_t>(capacity - 1, static_cast<int32_t>(fake.edit.size()));
    std::memcpy(buffer, fake.edit.data(), static_cast<size_t>(n));
    buffer[n] = 0;
    return n;
}

void SetDialogEditText(const char* text) {
    fake.edit = text;
}
void FocusDialogEdit() {}
bool IsDialogRobotChecked() {
    return fake.robotChecked;
}
void SetDialogRobotChecked(bool checked) {
    fake.robotChecked = checked;
}
void AddDialogListItem(const char* text) {
    fake.listItems.push_back(text);
    std::sort(fake.listItems.begin(), fake.listItems.end()); // a sorted list box
}

void PauseKeepingPainted(int32_t milliseconds) {
    fake.pauses.push_back(milliseconds);
    if (fake.onPause)
        fake.onPause();
    pauseDepth++;
    if (fake.pauses.size() == fake.closeAtPause)
        CloseRootWindow();
    pauseDepth--;
}

bool QuitRequested() {
    return fake.quitRequested;
}

bool PlatformPlaySound(int32_t resourceId) {
    fake.sounds.push_back(resourceId);
    return true;
}

void OpenHelp() {
    fake.helpOpen = true;
}
void CloseHelp() {
    fake.helpOpen = false;
}
