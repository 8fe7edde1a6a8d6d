// The pause and the way out: painting goes on and input waits during a pause, a close
// request during a pause is carried out once the main loop has control, and the game's
// windows are gone afterwards. These tests build on one another and end the program's
// windows, so they run in order in their own executable.
#include "platform/msgbox.h"
#include "platform/system.h"
#include "res/resources.h"
#include "tests/e2e/wx_support.h"
#include "tests/e2e/x11_tools.h"
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>

namespace {

using Clock = std::chrono::steady_clock;

int64_t MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// The game pauses inside a handler that the main loop dispatched; a loop is active then.
TEST(Pause, PaintingGoesOnWhilePlayerInputWaits) {
    wxEventLoop loop;
    wxEventLoopActivator active(&loop);
    delivered.clear();
    wxQueueEvent(windows.rootFrame, new wxCommandEvent(wxEVT_MENU, 1004));
    const int paintsBefore = CountDelivered(EV_ROOT_PAINT);
    ASSERT_TRUE(ResizeFromOutside(FindWindowByTitle("Tolvik dyxel"), 520, 600));
    const Clock::time_point start = Clock::now();
    PauseKeepingPainted(300);
    EXPECT_GE(MillisecondsSince(start), 300);
    EXPECT_EQ(CountDelivered(EV_ROOT_COMMAND), 0);
    EXPECT_GT(CountDelivered(EV_ROOT_PAINT), paintsBefore);
    int32_t cw = 0, ch = 0;
    GetClientSize(WINDOW_ROOT, &cw, &ch);
    EXPECT_EQ(cw, 520);
    EXPECT_LT(ch, 600); // the menu bar takes its part
    EXPECT_EQ(WindowCanvas(WINDOW_ROOT)->Backing().GetSize(), wxSize(cw, ch));
    EXPECT_FALSE(QuitRequested());

    SettleEvents(100); // after the pause the command comes through, once
    EXPECT_EQ(CountDelivered(EV_ROOT_COMMAND), 1);
}

TEST(Pause, AResizeRepaintsTheWholeClientArea) {
    wxEventLoop loop;
    wxEventLoopActivator active(&loop);
    delivered.clear();
    windows.rootFrame->SetClientSize(480, 540);
    SettleEvents(300);
    ASSERT_GE(CountDelivered(EV_ROOT_PAINT), 1);
    EXPECT_EQ(delivered.back(), (Delivered{EV_ROOT_PAINT, 480, 540}));
}

// A robot pausing inside a command handler when the close box is pressed.
TEST(Pause, ACloseRequestEndsThePauseAndTheMainLoopCarriesItOut) {
    delivered.clear();
    int64_t firstPause = -1, secondPause = -1;
    bool quitSeen = false, windowStillThere = false;
    int destroyedDuringHandler = -1;
    wxTheApp->CallAfter([&] {
        ASSERT_TRUE(SendCloseRequest(FindWindowByTitle("Tolvik dyxel")));
        Clock::time_point start = Clock::now();
        PauseKeepingPainted(5000);
        firstPause = MillisecondsSince(start);
        quitSeen = QuitRequested();
        windowStillThere = !windows.rootGone && windows.rootFrame != nullptr;
        start = Clock::now();
        PauseKeepingPainted(5000); // the robot's next pause does not hold the exit up
        secondPause = MillisecondsSince(start);
        destroyedDuringHandler = CountDelivered(EV_ROOT_DESTROY);
    });
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_GE(firstPause, 0);
    EXPECT_LT(firstPause, 4000);
    EXPECT_LT(secondPause, 1000);
    EXPECT_TRUE(quitSeen);
    EXPECT_TRUE(windowStillThere);
    EXPECT_EQ(destroyedDuringHandler, 0);
    EXPECT_EQ(CountDelivered(EV_ROOT_DESTROY), 1);
    EXPECT_TRUE(windows.rootGone);
    EXPECT_EQ(RunMessageLoop(), 0); // nothing left to wait for
}

// The program's end: the windows' operations do nothing, and with no audio device (see main)
// no sound plays, however often asked.
TEST(Pause, WithTheWindowsGoneNothingIsDrawnOrPlayed) {
    delivered.clear();
    InvalidateArea(WINDOW_ROOT, Rect{0, 0, 10, 10});
    UpdateWindowNow(WINDOW_ROOT);
    Rect r;
    EXPECT_FALSE(GetUpdateBounds(WINDOW_ROOT, &r));
    EXPECT_FALSE(GetWindowRectInRoot(WINDOW_DICE, &r));
    int32_t w = 1, h = 1;
    GetClientSize(WINDOW_DICE, &w, &h);
    EXPECT_EQ(w, 0);
    Surface* s = AcquireRootSurface();
    DrawRectangle(s, 0, 0, 10, 10);
    DrawText(s, 0, 0, "x", 1);
    ReleaseSurface(s);
    ShowWindowNow(WINDOW_DICE);
    SetWindowTitle(WINDOW_ROOT, "x");
    CloseRootWindow();
    OpenHelp();
    CloseHelp();
    EXPECT_TRUE(delivered.empty());
    ResourceData wave;
    ASSERT_TRUE(FindResourceData(IDW_FIVE_ALIKE, &wave));
    for (int id : {IDW_FIVE_ALIKE, IDW_FIVE_ALIKE, IDW_BONUS}) {
        EXPECT_FALSE(PlatformPlaySound(id)) << id;
    }
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // No such audio driver: the playback must stay silent rather than fail loudly.
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    return RunTestsWithWindows(argc, argv);
}
