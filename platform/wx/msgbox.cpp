// Message boxes with the toolkit's own dialog.
#include "platform/msgbox.h"
#include "platform/wx/wxplatform.h"
#include <cstdio>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>

int ShowMessageBox(const char* text, const char* caption, int style, int icon, bool owned) {
    const bool yesNo = style == MBOX_YESNO;
    if (wxTheApp == nullptr) {
        // No toolkit to show it with: the text still reaches the user.
        std::fprintf(stderr, "%s: %s\n", caption != nullptr ? caption : "",
                     text != nullptr ? text : "");
        return yesNo ? MBOX_ANSWER_NO : MBOX_ANSWER_OK;
    }
    long flags = yesNo ? wxYES_NO : wxOK;
    if (icon == MBOX_ICON_STOP)
        flags |= wxICON_STOP;
    else if (icon == MBOX_ICON_INFORMATION)
        flags |= wxICON_INFORMATION;
    else
        flags |= wxICON_NONE;
    wxWindow* parent = nullptr;
    if (owned && !windows.rootGone) {
        // Over the player dialog while it is open, so that the box is not hidden behind it.
        parent = windows.playerDialog != nullptr ? static_cast<wxWindow*>(windows.playerDialog)
                                                 : windows.rootFrame;
    }
    if (parent == nullptr)
        flags |= wxDIALOG_NO_PARENT;
    wxMessageDialog box(parent, FromWindows1252(text), FromWindows1252(caption), flags);
    const int answer = box.ShowModal();
    if (!yesNo)
        return MBOX_ANSWER_OK;
    // Escape gives Cancel on a Yes/No box: that is a No.
    return answer == wxID_YES ? MBOX_ANSWER_YES : MBOX_ANSWER_NO;
}
