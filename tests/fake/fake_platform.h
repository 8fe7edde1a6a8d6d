// A recording stand-in for platform/: every call is logged as one line of text that tests can
// search ("root: text '  7' at (94,60) colour 000000"), windows keep the little state the ui
// reads back, and message boxes, the dialog's controls and the message loop follow a script.
#pragma once
#include "platform/draw.h"
#include "platform/window.h"
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

struct FakeBox {
    std::string text, caption;
    int style, icon;
    bool owned;
};

// One thing the user does in the new-player dialog: type, tick "Robot", press a button.
struct FakeDialogStep {
    std::string editText;
    bool robot;
    int32_t command;
};

struct FakePlatform {
    std::vector<std::string> log;
    // Called with every line as it is logged, so a test can look at the program at that moment.
    std::function<void(const std::string&)> onLog;

    // The default GUI font; MeasureTextWidth gives avgCharWidth per byte unless overridden.
    int32_t textHeight = 16, avgCharWidth = 7;
    std::map<std::string, int32_t> textWidths;

    bool registerFails = false, rootCreateFails = false, diceCreateFails = false;
    std::set<int32_t> missingPictures;
    int32_t livePictures = 0, openSurfaces = 0;

    int32_t clientWidth[2] = {392, 344};
    int32_t clientHeight[2] = {448, 88};
    bool exists[2] = {}, shown[2] = {};
    Rect invalid[2] = {};
    std::string title[2];
    int32_t activeWindow = -1;
    bool diceRectKnown = true;
    Rect diceRectInRoot = {250, 60, 600, 230};
    std::map<int32_t, bool> menuChecks, highlights;

    // The answers of the coming Yes/No boxes, in order; No once they run out.
    std::vector<int> yesNoAnswers;
    std::vector<FakeBox> boxes;

    std::vector<FakeDialogStep> dialogSteps;
    int32_t dialogStepsRun = 0, dialogResult = -1;
    bool dialogRunning = false, dialogEnded = false, robotChecked = false;
    std::string editText;
    std::vector<std::string> listItems;

    std::vector<int32_t> pauses;
    size_t quitAtPause = 0; // the pause (1-based) during which the window is closed; 0: never
    bool quitRequested = false, helpOpen = false;

    std::function<void()> loopScript; // what the message loop does while it runs
};

extern FakePlatform fake;

void FakeReset(); // back to the defaults above
void FakeClearLog();
void FakeLog(const std::string& line);
int FakeCount(const std::string& line);
bool FakeLogged(const std::string& line);
// Index of the first line equal to `line` at or after `from`; -1 when there is none.
int FakeIndexOf(const std::string& line, int from = 0);
std::vector<std::string> FakeLinesContaining(const std::string& part);
// How the log spells a rectangle and a colour: "(l,t,r,b)", "800080".
std::string FakeRect(const Rect& r);
std::string FakeColour(Colour c);
