// Starting the toolkit without handing it main(), the event loop, and the pause that keeps
// the windows painted while a robot plays.
#include "platform/system.h"
#include "platform/wx/wxplatform.h"
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/utils.h>

namespace {

int pauseDepth = 0;
bool quitRequested = false;
bool started = false;

class DyxelApp : public wxApp {
  public:
    bool OnInit() override {
        SetExitOnFrameDelete(true);
        Bind(wxEVT_IDLE, &DyxelApp::OnIdle, this);
        return true;
    }

  private:
    // A close request remembered during a pause is carried out here, once the handlers that
    // were running have returned and the main loop is idle again.
    void OnIdle(wxIdleEvent& e) {
        e.Skip();
        if (!quitRequested || windows.rootGone || windows.rootFrame == nullptr)
            return;
        wxEventLoopBase* active = wxEventLoopBase::GetActive();
        if (active == nullptr || active != GetMainLoop() || active->IsYielding() || pauseDepth > 0)
            return;
        DestroyRootWindow();
    }
};

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
    started = true;
    return true;
}

void PlatformStop() {
    if (!started)
        return;
    StopSound();
    wxEntryCleanup();
    started = false;
}

int32_t RunMessageLoop() {
    if (wxTheApp == nullptr || windows.rootGone || windows.rootFrame == nullptr)
        return 0;
    wxTheApp->OnRun();
    return 0;
}

bool InPause() {
    return pauseDepth > 0;
}

void RequestQuitDuringPause() {
    quitRequested = true;
    wxWakeUpIdle();
}

bool QuitRequested() {
    return quitRequested;
}

void PauseKeepingPainted(int32_t milliseconds) {
    using Clock = std::chrono::steady_clock;
    if (quitRequested || milliseconds <= 0)
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
    pauseDepth++;
    while (!quitRequested) {
        // Painting and the window system are served; mouse, keys and menus wait in the queue.
        wxEventLoopBase::GetActive()->YieldFor(wxEVT_CATEGORY_UI);
        const Clock::time_point now = Clock::now();
        if (now >= end || quitRequested)
            break;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - now).count();
        wxMilliSleep(static_cast<unsigned long>(left < 10 ? left : 10));
    }
    pauseDepth--;
}
