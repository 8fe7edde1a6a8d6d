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
    std::string text;
    std::string caption;
    int style;
    int icon;
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

    // The default GUI font and text measuring.
    int32_t textHeight = 16;
    int32_t avgCharWidth = 7;
    int32_t charWidth = 7;                     // MeasureTextWidth per byte
    std::map<std::string, int32_t> textWidths; // overrides for whole texts

    // Start-up failures and missing pictures.
    bool registerFails = false;
    bool rootCreateFails = false;
    bool diceCreateFails = false;
    std::set<int32_t> missingPictures;
    int32_t livePictures = 0;
    int32_t openSurfaces = 0;

    // The windows.
    int32_t clientWidth[2] = {392, 344};
    int32_t clientHeight[2] = {448, 88};
    bool exists[2] = {false, false};
    bool shown[2] = {false, false};
    Rect invalid[2] = {};
    std::string title[2];
    int32_t activeWindow = -1;
    bool diceRectKnown = true;
    Rect diceRectInRoot = {250, 60, 600, 230};
    std::map<int32_t, bool> menuChecks;
    std::map<int32_t, bool> highlights;

    // Message boxes: the answers of the coming Yes/No boxes, in order; No once they run out.
    std::vector<int> yesNoAnswers;
    std::vector<FakeBox> boxes;

    // The new-player dialog.
    std::vector<FakeDialogStep> dialogSteps;
    int32_t dialogStepsRun = 0;
    bool dialogRunning = false;
    bool dialogEnded = false;
    int32_t dialogResult = -1;
    std::string editText;
    bool robotChecked = false;
    bool editFocused = false;
    std::vector<std::string> listItems;

    // Pauses, the close request during a pause, sound and help.
    std::vector<int32_t> pauses;
    size_t quitAtPause = 0; // the pause (1-based) during which the window is closed; 0: never
    bool quitRequested = false;
    bool soundWorks = true;
    bool helpOpen = false;

    // What the message loop does while it runs; it then returns loopExitCode.
    std::function<void()> loopScript;
    int32_t loopExitCode = 0;
};

extern FakePlatform fake;

// Back to the defaults above: font 16/7, root client 392 x 448, dice client 344 x 88.
void FakeReset();
void FakeClearLog();
void FakeLog(const std::string& line);

// Queries over the log.
int FakeCount(const std::string& line);
bool FakeLogged(const std::string& line);
// Index of the first line equal to `line` at or after `from`; -1 when there is none.
int FakeIndexOf(const std::string& line, int from = 0);
std::vector<std::string> FakeLinesContaining(const std::string& part);

// How the log spells a rectangle and a colour: "(l,t,r,b)", "800080".
std::string FakeRect(const Rect& r);
std::string FakeColour(Colour c);
