// The log, the two windows, menus, message boxes, the new-player dialog, the pause, sound, help.
#include "tests/fake/fake_platform.h"
#include "platform/dialog.h"
#include "platform/menu.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include <algorithm>
#include <cstdio>
#include <cstring>

FakePlatform fake;
PlatformEvents platformEvents;

void FakeReset() {
    fake = FakePlatform{};
}
void FakeClearLog() {
    fake.log.clear();
}

void FakeLog(const std::string& line) {
    fake.log.push_back(line);
    if (fake.onLog)
        fake.onLog(line);
}

int FakeCount(const std::string& line) {
    return static_cast<int>(std::count(fake.log.begin(), fake.log.end(), line));
}

bool FakeLogged(const std::string& line) {
    return FakeCount(line) > 0;
}

int FakeIndexOf(const std::string& line, int from) {
    for (size_t i = static_cast<size_t>(std::max(from, 0)); i < fake.log.size(); i++)
        if (fake.log[i] == line)
            return static_cast<int>(i);
    return -1;
}

std::vector<std::string> FakeLinesContaining(const std::string& part) {
    std::vector<std::string> lines;
    std::copy_if(fake.log.begin(), fake.log.end(), std::back_inserter(lines),
                 [&](const std::string& l) { return l.find(part) != std::string::npos; });
    return lines;
}

std::string FakeRect(const Rect& r) {
    char text[80];
    std::snprintf(text, sizeof text, "(%d,%d,%d,%d)", r.left, r.top, r.right, r.bottom);
    return text;
}

std::string FakeColour(Colour c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06x", c & 0xffffffu);
    return text;
}

namespace {

bool isEmpty(const Rect& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

// Logs "<what> root|dice[ rest]"; false for an unknown window.
bool logFor(WindowId w, const char* what, const std::string& rest = "") {
    if (w != WINDOW_ROOT && w != WINDOW_DICE)
        return false;
    FakeLog(std::string(what) + (w == WINDOW_ROOT ? " root" : " dice") + rest);
    return true;
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
    return 0;
}

void InvalidateArea(WindowId w, const Rect& r) {
    if (!logFor(w, "invalidate", " " + FakeRect(r)))
        return;
    // Like the window system, the invalid area never reaches outside the client area.
    const Rect c{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, fake.clientWidth[w]),
                 std::min(r.bottom, fake.clientHeight[w])};
    Rect& u = fake.invalid[w];
    if (!isEmpty(c))
        u = isEmpty(u) ? c
                       : Rect{std::min(u.left, c.left), std::min(u.top, c.top),
                              std::max(u.right, c.right), std::max(u.bottom, c.bottom)};
}

bool GetUpdateBounds(WindowId w, Rect* bounds) {
    if ((w != WINDOW_ROOT && w != WINDOW_DICE) || isEmpty(fake.invalid[w]))
        return false;
    *bounds = fake.invalid[w];
    return true;
}

void UpdateWindowNow(WindowId w) {
    Rect r;
    if (!GetUpdateBounds(w, &r))
        return;
    logFor(w, "paint");
    void (*handler)() = w == WINDOW_ROOT ? platformEvents.rootPaint : platformEvents.dicePaint;
    if (handler)
        handler();
}

void ValidateWindow(WindowId w) {
    if (logFor(w, "validate"))
        fake.invalid[w] = Rect{};
}

void GetClientSize(WindowId w, int32_t* width, int32_t* height) {
    const bool known = w == WINDOW_ROOT || w == WINDOW_DICE;
    *width = known ? fake.clientWidth[w] : 0;
    *height = known ? fake.clientHeight[w] : 0;
}

void ShowWindowNow(WindowId w) {
    if (!logFor(w, "show") || fake.shown[w])
        return;
    fake.shown[w] = true;
    fake.invalid[w] = Rect{0, 0, fake.clientWidth[w], fake.clientHeight[w]};
    // The root window paints itself when it appears; the dice window waits for an update.
    if (w == WINDOW_ROOT)
        UpdateWindowNow(w);
}

void HideWindow(WindowId w) {
    if (!logFor(w, "hide"))
        return;
    fake.shown[w] = false;
    if (fake.activeWindow == w)
        fake.activeWindow = -1;
}

void SetWindowTitle(WindowId w, const char* text) {
    if (logFor(w, "title", " '" + std::string(text) + "'"))
        fake.title[w] = text;
}

void ActivateWindow(WindowId w) {
    if (logFor(w, "activate") && fake.shown[w])
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
    fake.exists[WINDOW_ROOT] = fake.exists[WINDOW_DICE] = false;
    fake.shown[WINDOW_ROOT] = fake.shown[WINDOW_DICE] = false;
    if (platformEvents.rootDestroy)
        platformEvents.rootDestroy();
}

void SetMenuCheck(int32_t commandId, bool checked) {
    fake.menuChecks[commandId] = checked;
    FakeLog("check " + std::to_string(commandId) + (checked ? " on" : " off"));
}

void SetDiceCommandHighlight(int32_t commandId, bool highlighted) {
    fake.highlights[commandId] = highlighted;
    FakeLog("highlight " + std::to_string(commandId) + (highlighted ? " on" : " off"));
}

int ShowMessageBox(const char* text, const char* caption, int style, int icon, bool owned) {
    fake.boxes.push_back(FakeBox{text, caption, style, icon, owned});
    FakeLog("box '" + std::string(text) + "' '" + caption + "'");
    if (style != MBOX_YESNO)
        return MBOX_ANSWER_OK;
    if (fake.yesNoAnswers.empty())
        return MBOX_ANSWER_NO;
    const int answer = fake.yesNoAnswers.front();
    fake.yesNoAnswers.erase(fake.yesNoAnswers.begin());
    return answer;
}

int32_t RunPlayerDialog() {
    FakeLog("dialog run");
    fake.dialogRunning = true;
    fake.dialogEnded = fake.robotChecked = false;
    fake.dialogResult = -1;
    fake.dialogStepsRun = 0;
    fake.editText.clear();
    fake.listItems.clear();
    if (platformEvents.dialogInit)
        platformEvents.dialogInit();
    for (const FakeDialogStep& step : fake.dialogSteps) {
        if (fake.dialogEnded)
            break;
        fake.editText = step.editText;
        fake.robotChecked = step.robot;
        fake.dialogStepsRun++;
        FakeLog("dialog command " + std::to_string(step.command));
        if (platformEvents.dialogCommand)
            platformEvents.dialogCommand(step.command);
    }
    fake.dialogRunning = false;
    FakeLog(fake.dialogEnded ? "dialog closed" : "dialog left open");
    return fake.dialogResult;
}

void EndPlayerDialog(int32_t result) {
    FakeLog("dialog end " + std::to_string(result));
    fake.dialogEnded = true;
    fake.dialogResult = result;
}

void BringDialogToFront() {
    FakeLog("dialog front");
}
void FocusDialogEdit() {
    FakeLog("dialog focus edit");
}
bool IsDialogRobotChecked() {
    return fake.robotChecked;
}

int32_t GetDialogEditText(char* buffer, int32_t capacity) {
    if (capacity <= 0)
        return 0;
    const size_t n = std::min(fake.editText.size(), static_cast<size_t>(capacity - 1));
    std::memcpy(buffer, fake.editText.data(), n);
    buffer[n] = 0;
    return static_cast<int32_t>(n);
}

void SetDialogEditText(const char* text) {
    fake.editText = text;
    FakeLog("dialog edit '" + std::string(text) + "'");
}

void SetDialogRobotChecked(bool checked) {
    fake.robotChecked = checked;
    FakeLog(std::string("dialog robot ") + (checked ? "on" : "off"));
}

void AddDialogListItem(const char* text) {
    fake.listItems.push_back(text);
    FakeLog("dialog list add '" + std::string(text) + "'");
}

void PauseKeepingPainted(int32_t milliseconds) {
    fake.pauses.push_back(milliseconds);
    FakeLog("pause " + std::to_string(milliseconds));
    if (fake.quitAtPause != 0 && fake.pauses.size() >= fake.quitAtPause)
        fake.quitRequested = true;
}

bool QuitRequested() {
    return fake.quitRequested;
}

bool PlatformPlaySound(int32_t resourceId) {
    FakeLog("sound " + std::to_string(resourceId));
    return true;
}

void OpenHelp() {
    fake.helpOpen = true;
    FakeLog("help open");
}

void CloseHelp() {
    fake.helpOpen = false;
    FakeLog("help close");
}
