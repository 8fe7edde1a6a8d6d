// Starting the toolkit without handing it the command line, the event loop, the pause that keeps
// the windows painted while a robot plays, and the ways the program is asked to end: a signal
// closes it as the window's close box would, a lost display saves what the shutdown would save.
#include "platform/system.h"
#include "platform/window.h"
#include "platform/wx/draw.h"
#include "platform/wx/frames.h"
#include "platform/wx/quit.h"
#include "platform/wx/rootwin.h"
#include "platform/wx/sound.h"
#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <gdk/gdkx.h>
#include <memory>
#include <unistd.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/utils.h>

namespace {

bool started = false;

class DyxelApp : public wxApp {
  public:
    bool OnInit() override {
        SetExitOnFrameDelete(true);
        Bind(wxEVT_IDLE, &DyxelApp::OnIdle, this);
        // Handled from the event loop, not inside the signal.
        for (int signal : {SIGTERM, SIGINT, SIGHUP})
            SetSignalHandler(signal, [](int) { RequestQuit(); });
        return true;
    }

    // The game is Swedish and its windows run left to right; asking the locale would build
    // the toolkit's table of every language at the first window, some 10 ms of the start.
    wxLayoutDirection GetLayoutDirection() const override { return wxLayout_LeftToRight; }

  private:
    // A request remembered during a pause or a modal loop is carried out here, once the
    // handlers that were running have returned and the main loop is idle again.
    void OnIdle(wxIdleEvent& e) {
        e.Skip();
        if (!QuitRequested() || windows.rootGone || windows.rootFrame == nullptr)
            return;
        wxEventLoopBase* active = wxEventLoopBase::GetActive();
        if (active == nullptr || active != GetMainLoop() || active->IsYielding() || InPause())
            return;
        DestroyRootWindow();
    }
};

// The display went away: nothing more can be shown, but the options are still saved.
int DisplayLost(Display*) {
    displayLost = true;
    if (platformEvents.sessionEnding != nullptr)
        platformEvents.sessionEnding();
    std::fprintf(stderr, "dyxel: the display went away\n");
    _exit(1);
}

} // namespace

wxIMPLEMENT_APP_NO_MAIN(DyxelApp);

bool PlatformStart() {
    if (started)
        return true;
    // GTK's OpenGL probe costs start-up time and maps Mesa for a program that never uses it.
    setenv("GDK_GL", "disable", 0);
    bool ok;
    {
        wxLogNull quiet; // our own message below says it plainly
        // The toolkit gets no arguments: GTK's own options must not change the game.
        int argc = 1;
        char name[] = "dyxel";
        char* argv[] = {name, nullptr};
        ok = wxEntryStart(argc, argv);
    }
    if (!ok) {
        std::fprintf(stderr, "dyxel: cannot open the display\n");
        return false;
    }
    if (wxTheApp == nullptr || !wxTheApp->CallOnInit()) {
        wxEntryCleanup();
        std::fprintf(stderr, "dyxel: cannot start the window system\n");
        return false;
    }
    XSetIOErrorHandler(DisplayLost);
    StartDecodingPictures();
    // Not before the toolkit's start: it changes the environment, which the font thread reads.
    StartWarmingFonts();
    started = true;
    return true;
}

void PlatformStop() {
    if (!started)
        return;
    StopSound();
    StopDecodingPictures();
    UseWarmFonts();
    wxEntryCleanup();
    started = false;
}

int32_t RunMessageLoop() {
    if (wxTheApp == nullptr || windows.rootGone || windows.rootFrame == nullptr)
        return 0;
    wxTheApp->OnRun();
    return 0;
}

void PauseKeepingPainted(int32_t milliseconds) {
    using Clock = std::chrono::steady_clock;
    if (QuitRequested() || milliseconds <= 0)
        return;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(milliseconds);
    // The game pauses inside handlers the main loop dispatched; before the loop runs there is
    // none to yield with, so lend one.
    std::unique_ptr<wxEventLoop> lent;
    std::unique_ptr<wxEventLoopActivator> activator;
    if (wxEventLoopBase::GetActive() == nullptr) {
        lent = std::make_unique<wxEventLoop>();
        activator = std::make_unique<wxEventLoopActivator>(lent.get());
    }
    EnterPause();
    while (!QuitRequested()) {
        // Painting and the window system are served; mouse, keys and menus wait in the queue.
        wxEventLoopBase::GetActive()->YieldFor(wxEVT_CATEGORY_UI);
        const Clock::time_point now = Clock::now();
        if (now >= end || QuitRequested())
            break;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - now).count();
        wxMilliSleep(static_cast<unsigned long>(left < 10 ? left : 10));
    }
    LeavePause();
}
