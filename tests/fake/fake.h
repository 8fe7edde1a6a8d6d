// A stand-in for platform/ in the ui's tests: it draws into pixel buffers, so a test compares
// what the player would see with a stored picture, and it plays the player's part from a script
// (answers of the boxes, the dialog's entries, what happens while the message loop runs).
#pragma once
#include "platform/draw.h"
#include "platform/window.h"
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

struct FakeImage {
    int32_t width = 0, height = 0;
    std::vector<Colour> pixels;

    void Resize(int32_t w, int32_t h);
    Colour At(int32_t x, int32_t y) const;
    void Fill(int32_t left, int32_t top, int32_t right, int32_t bottom, Colour c);
    uint64_t Hash() const;
    // How many pixels of the rectangle are not `background`.
    int32_t CountOther(const Rect& r, Colour background) const;
};

struct FakeBox {
    std::string text, caption;
    int style, icon;
    bool owned;
};

// One entry in the new-player dialog: type, tick "Robot" (or not), press a button.
struct FakeEntry {
    std::string text;
    bool robot;
    int32_t command;
};

struct Fake {
    int32_t textHeight = 16, avgCharWidth = 7; // W = 35, H = 19
    std::map<std::string, int32_t> textWidths; // MeasureTextWidth; else avgCharWidth per byte
    bool registerFails = false, rootCreateFails = false, diceCreateFails = false;
    std::set<int32_t> missingPictures;

    FakeImage window[2]; // the client areas of the root window and the dice window
    bool shown[2] = {}, exists[2] = {}, rootGone = false;
    std::string title[2];
    int32_t active = -1;
    Rect invalid[2] = {};
    Rect diceRectInRoot = {250, 60, 600, 440}; // over the corner box
    int32_t rootOuterWidth = 0, rootOuterHeight = 0;
    std::map<int32_t, bool> checks, highlights, enabled;

    std::vector<int> answers; // the coming Yes/No boxes' answers; No once they run out
    std::vector<FakeBox> boxes;

    std::vector<FakeEntry> entries; // played by the dialog while it is open, in order
    bool dialogOpen = false;
    std::string edit;
    bool robotChecked = false;
    std::vector<std::string> listItems;

    std::function<void()> loop;    // what happens while the message loop runs
    std::function<void()> onPause; // what a robot's pause lets happen, as the page's looks
    std::vector<int32_t> pauses, sounds;
    size_t closeAtPause = 0; // the pause (1-based) during which the window is closed
    bool quitRequested = false, helpOpen = false;
    int32_t openSurfaces = 0, livePictures = 0;
};

extern Fake fake;

// Back to the defaults above, with the root window's client area 392 x 448 and the dice
// window's 344 x 88.
void FakeReset();
// A die's button as the dice window shows it: its 64 x 64 pixels' hash.
uint64_t FakeDieHash(int32_t die);
// Writes a window's picture as a PPM file (for a look when a picture differs).
void FakeSave(WindowId w, const std::string& path);
