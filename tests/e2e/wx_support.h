// Shared by the wx platform tests: the toolkit started once, handlers that record what the
// windows deliver, and pixel access to the backing bitmaps.
#pragma once
#include "platform/wx/wxplatform.h"
#include <cstdint>
#include <initializer_list>
#include <vector>
#include <wx/image.h>

struct Delivered {
    int32_t what; // one of the kinds below
    int32_t a;
    int32_t b;
    bool operator==(const Delivered&) const = default;
};

enum DeliveredKind {
    EV_ROOT_CREATE,
    EV_ROOT_DESTROY,
    EV_ROOT_PAINT,
    EV_LEFT_DOWN,
    EV_LEFT_DOUBLE,
    EV_RIGHT_DOWN,
    EV_ROOT_COMMAND,
    EV_DICE_PAINT,
    EV_DICE_COMMAND,
    EV_DICE_DOUBLE,
    EV_DIE_PRESSED,
    EV_DIE_REDRAW,
    EV_DIALOG_INIT,
    EV_DIALOG_COMMAND,
};

extern std::vector<Delivered> delivered;

// Installs recording handlers for every event; paints validate, as the ui's handlers do.
void InstallRecorders();
// Starts the toolkit and creates and shows the windows, runs every test, stops the toolkit.
int RunTestsWithWindows(int argc, char** argv);
// Lets the toolkit deliver whatever is queued (showing, sizing, exposing).
void SettleEvents(int milliseconds = 50);

wxImage CanvasImage(WindowId w);
wxImage DieImage(int32_t die);
// 0xRRGGBB at (x, y).
uint32_t PixelAt(const wxImage& image, int x, int y);
struct PixelCheck {
    int x, y;
    uint32_t colour;
};
constexpr PixelCheck At(int x, int y, uint32_t colour) {
    return {x, y, colour};
}
// Each pixel that differs is reported with its place.
void ExpectPixels(const wxImage& image, std::initializer_list<PixelCheck> checks);
int CountDelivered(int32_t what);
