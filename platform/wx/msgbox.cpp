// Message boxes laid out as the game's boxes have always looked: the icon left of the text, the
// buttons centred below it in the order "Ja", "Nej", whatever the system's language. GTK's own
// message dialog shows no icon and orders its buttons the other way round.
#include "platform/msgbox.h"
#include "platform/wx/draw.h"
#include "platform/wx/frames.h"
#include "platform/wx/quit.h"
#include "platform/wx/text.h"
#include <cstdio>
#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace {

class MessageBox : public wxDialog {
  public:
    MessageBox(wxWindow* parent, const wxString& text, const wxString& caption, bool yesNo,
               int icon)
        : wxDialog(parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize,
                   wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX |
                       (parent == nullptr ? wxDIALOG_NO_PARENT : 0)) {
        SetFont(DefaultGuiFont());
        wxBoxSizer* message = new wxBoxSizer(wxHORIZONTAL);
        if (icon != MBOX_ICON_NONE) {
            const wxArtID art = icon == MBOX_ICON_STOP ? wxART_ERROR : wxART_INFORMATION;
            message->Add(new wxStaticBitmap(this, wxID_ANY,
                                            wxArtProvider::GetBitmap(art, wxART_MESSAGE_BOX)),
                         0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 16);
        }
        message->Add(new wxStaticText(this, wxID_ANY, text), 0, wxALIGN_CENTER_VERTICAL);
        wxBoxSizer* buttons = new wxBoxSizer(wxHORIZONTAL);
        if (yesNo) {
            buttons->Add(new wxButton(this, wxID_YES, "&Ja"), 0, wxRIGHT, 8);
            buttons->Add(new wxButton(this, wxID_NO, "&Nej"));
            SetAffirmativeId(wxID_YES);
            SetEscapeId(wxID_NO); // Escape is a No
        } else {
            buttons->Add(new wxButton(this, wxID_OK, "OK"));
            SetEscapeId(wxID_OK);
        }
        wxButton* first = static_cast<wxButton*>(FindWindow(yesNo ? wxID_YES : wxID_OK));
        first->SetDefault();
        first->SetFocus();
        Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) { EndModal(e.GetId()); });
        wxBoxSizer* all = new wxBoxSizer(wxVERTICAL);
        all->Add(message, 0, wxALL, 16);
        all->Add(buttons, 0, wxALIGN_CENTER_HORIZONTAL | wxLEFT | wxRIGHT | wxBOTTOM, 12);
        SetSizerAndFit(all);
        CentreOnParent();
    }
};

} // namespace

int ShowMessageBox(const char* text, const char* caption, int style, int icon, bool owned) {
    const bool yesNo = style == MBOX_YESNO;
    if (wxTheApp == nullptr || displayLost) {
        // No toolkit to show it with: the text still reaches the user.
        std::fprintf(stderr, "%s: %s\n", caption != nullptr ? caption : "",
                     text != nullptr ? text : "");
        return yesNo ? MBOX_ANSWER_NO : MBOX_ANSWER_OK;
    }
    wxWindow* parent = nullptr;
    if (owned && !windows.rootGone) {
        // Over the player dialog while it is open, so that the box is not hidden behind it.
        parent = windows.playerDialog != nullptr ? static_cast<wxWindow*>(windows.playerDialog)
                                                 : windows.rootFrame;
    }
    MessageBox box(parent, FromWindows1252(text), FromWindows1252(caption), yesNo, icon);
    wxDialog* outer = modalDialog;
    modalDialog = &box;
    RealizeAtOwnSize(&box);
    const int answer = box.ShowModal();
    modalDialog = outer;
    if (!yesNo)
        return MBOX_ANSWER_OK;
    return answer == wxID_YES ? MBOX_ANSWER_YES : MBOX_ANSWER_NO;
}
