#include "tests/e2e/wx_support.h"
#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>

std::vector<Delivered> delivered;

namespace {

void Record(int32_t what, int32_t a = 0, int32_t b = 0) {
    delivered.push_back({what, a, b});
}

} // namespace

void InstallRecorders() {
    platformEvents = PlatformEvents{};
    platformEvents.rootCreate = [] { Record(EV_ROOT_CREATE); };
    platformEvents.rootDestroy = [] { Record(EV_ROOT_DESTROY); };
    platformEvents.rootPaint = [] {
        Rect r;
        GetUpdateBounds(WINDOW_ROOT, &r);
        Record(EV_ROOT_PAINT, r.right - r.left, r.bottom - r.top);
        ValidateWindow(WINDOW_ROOT);
    };
    platformEvents.rootLeftDown = [](int32_t x, int32_t y) { Record(EV_LEFT_DOWN, x, y); };
    platformEvents.rootLeftDoubleClick = [](int32_t x, int32_t y) { Record(EV_LEFT_DOUBLE, x, y); };
    platformEvents.rootRightDown = [](int32_t x, int32_t y) { Record(EV_RIGHT_DOWN, x, y); };
    platformEvents.rootCommand = [](int32_t id) { Record(EV_ROOT_COMMAND, id); };
    platformEvents.dicePaint = [] {
        Record(EV_DICE_PAINT);
        ValidateWindow(WINDOW_DICE);
    };
    platformEvents.diceCommand = [](int32_t id) { Record(EV_DICE_COMMAND, id); };
    platformEvents.diceDoubleClick = [] { Record(EV_DICE_DOUBLE); };
    platformEvents.diePressed = [](int32_t die) { Record(EV_DIE_PRESSED, die); };
    platformEvents.dieRedraw = [](int32_t die) { Record(EV_DIE_REDRAW, die); };
    platformEvents.dialogInit = [] { Record(EV_DIALOG_INIT); };
    platformEvents.dialogCommand = [](int32_t id) { Record(EV_DIALOG_COMMAND, id); };
}

static bool StartWithWindows(int, char**) {
    InstallRecorders();
    if (!PlatformStart())
        return false;
    // A toolkit assertion is a failed test, not a dialog waiting for a click.
    wxSetAssertHandler([](const wxString& file, int line, const wxString& func,
                          const wxString& cond, const wxString& msg) {
        ADD_FAILURE_AT(file.utf8_str(), line)
            << "wx assertion " << cond << " in " << func << ": " << msg;
    });
    return CreateRootWindow("Tolvik dyxel", 440, 520) &&
           CreateDiceWindow("T\xe4rningarna", 400, 100, 350);
}

int RunTestsWithWindows(int argc, char** argv) {
    if (!StartWithWindows(argc, argv))
        return 1;
    ShowWindowNow(WINDOW_ROOT);
    SettleEvents(200);
    const int result = RUN_ALL_TESTS();
    PlatformStop();
    return result;
}

void SettleEvents(int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive())
            loop->YieldFor(wxEVT_CATEGORY_ALL);
        else
            wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
}

wxImage CanvasImage(WindowId w) {
    BackedWindow* canvas = WindowCanvas(w);
    return canvas != nullptr ? canvas->Backing().ConvertToImage() : wxImage();
}

wxImage DieImage(int32_t die) {
    return windows.dieButtons[die] != nullptr ? windows.dieButtons[die]->Backing().ConvertToImage()
                                              : wxImage();
}

uint32_t PixelAt(const wxImage& image, int x, int y) {
    return (static_cast<uint32_t>(image.GetRed(x, y)) << 16) |
           (static_cast<uint32_t>(image.GetGreen(x, y)) << 8) | image.GetBlue(x, y);
}

void ExpectPixels(const wxImage& image, std::initializer_list<PixelCheck> checks) {
    for (const PixelCheck& c : checks)
        EXPECT_EQ(PixelAt(image, c.x, c.y), c.colour) << "at (" << c.x << "," << c.y << ")";
}

int CountDelivered(int32_t what) {
    return static_cast<int>(std::count_if(delivered.begin(), delivered.end(),
                                          [what](const Delivered& d) { return d.what == what; }));
}
