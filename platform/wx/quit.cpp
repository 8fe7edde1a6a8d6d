#include "platform/wx/quit.h"
#include "platform/system.h"
#include <wx/app.h>
#include <wx/dialog.h>

wxDialog* modalDialog = nullptr;
bool displayLost = false;

namespace {
int pauseDepth = 0;
bool quitRequested = false;
} // namespace

bool InPause() {
    return pauseDepth > 0;
}
void EnterPause() {
    pauseDepth++;
}
void LeavePause() {
    pauseDepth--;
}

void RequestQuit() {
    quitRequested = true;
    // A box or the player dialog answers as if dismissed: No, or nothing entered.
    if (modalDialog != nullptr && modalDialog->IsModal())
        modalDialog->EndModal(wxID_NO);
    wxWakeUpIdle();
}

bool QuitRequested() {
    return quitRequested;
}
