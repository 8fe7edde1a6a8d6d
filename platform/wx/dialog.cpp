// The modal new-player dialog: no caption, centred on the mouse pointer, controls by their
// resource ids. Its rules live in the ui; this only shows it and forwards its commands.
#include "platform/dialog.h"
#include "platform/wx/wxplatform.h"
#include <algorithm>
#include <cstring>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

namespace {

void SendCommand(int32_t id) {
    if (platformEvents.dialogCommand != nullptr)
        platformEvents.dialogCommand(id);
}

class PlayerDialog : public wxDialog {
  public:
    explicit PlayerDialog(wxWindow* owner)
        : wxDialog(owner, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                   wxBORDER_RAISED | wxFRAME_TOOL_WINDOW) {
        wxStaticBoxSizer* entry = new wxStaticBoxSizer(
            new wxStaticBox(this, IDC_NEW_PLAYER_GROUP, FromWindows1252("Ny spelare")),
            wxHORIZONTAL);
        edit = new wxTextCtrl(entry->GetStaticBox(), IDC_NAME_EDIT, wxString(), wxDefaultPosition,
                              wxSize(80, -1));
        robot = new wxCheckBox(entry->GetStaticBox(), IDC_ROBOT_CHECK, "Robot");
        entry->Add(edit, 1, wxALIGN_CENTER_VERTICAL | wxALL, 4);
        entry->Add(robot, 0, wxALIGN_CENTER_VERTICAL | wxALL, 4);

        wxStaticBoxSizer* echo =
            new wxStaticBoxSizer(new wxStaticBox(this, IDC_LIST_GROUP, wxString()), wxVERTICAL);
        list = new wxListBox(echo->GetStaticBox(), IDC_NAME_LIST, wxDefaultPosition,
                             wxSize(80, 100), 0, nullptr, wxLB_SORT | wxLB_SINGLE);
        echo->Add(list, 1, wxEXPAND | wxALL, 4);

        add = new wxButton(this, IDC_ADD_PLAYER, FromWindows1252("L\xe4gg till"));
        wxButton* done = new wxButton(this, IDC_DONE, "Klar");
        wxBoxSizer* buttons = new wxBoxSizer(wxVERTICAL);
        buttons->Add(add, 0, wxEXPAND | wxBOTTOM, 6);
        buttons->AddStretchSpacer();
        buttons->Add(done, 0, wxEXPAND);

        wxBoxSizer* lower = new wxBoxSizer(wxHORIZONTAL);
        lower->Add(echo, 1, wxEXPAND | wxRIGHT, 6);
        lower->Add(buttons, 0, wxEXPAND | wxTOP | wxBOTTOM, 6);
        wxBoxSizer* all = new wxBoxSizer(wxVERTICAL);
        all->Add(entry, 0, wxEXPAND | wxALL, 6);
        all->Add(lower, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 6);
        SetSizerAndFit(all);

        add->SetDefault(); // Return adds the player
        SetEscapeId(wxID_NONE);
        add->Bind(wxEVT_BUTTON, [](wxCommandEvent&) { SendCommand(IDC_ADD_PLAYER); });
        done->Bind(wxEVT_BUTTON, [](wxCommandEvent&) { SendCommand(IDC_DONE); });
        // Escape is handed to the ui, which ignores it; the dialog cannot be cancelled.
        Bind(wxEVT_CHAR_HOOK, [](wxKeyEvent& e) {
            if (e.GetKeyCode() == WXK_ESCAPE)
                SendCommand(IDC_CANCEL);
            else
                e.Skip();
        });
        Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& e) {
            if (e.CanVeto())
                e.Veto();
        });
        Bind(wxEVT_INIT_DIALOG, [](wxInitDialogEvent&) {
            if (platformEvents.dialogInit != nullptr)
                platformEvents.dialogInit();
        });
        CentreOnPointer();
    }

    wxTextCtrl* edit;
    wxCheckBox* robot;
    wxListBox* list;
    wxButton* add;

  private:
    void CentreOnPointer() {
        const wxPoint mouse = wxGetMousePosition();
        const wxSize size = GetSize();
        wxPoint pos(mouse.x - size.x / 2, mouse.y - size.y / 2);
        const int d = wxDisplay::GetFromPoint(mouse);
        if (d != wxNOT_FOUND) {
            const wxRect area = wxDisplay(static_cast<unsigned>(d)).GetClientArea();
            pos.x = std::clamp(pos.x, area.x, std::max(area.x, area.GetRight() - size.x));
            pos.y = std::clamp(pos.y, area.y, std::max(area.y, area.GetBottom() - size.y));
        }
        Move(pos);
    }
};

PlayerDialog* dialog = nullptr;

} // namespace

int32_t RunPlayerDialog() {
    if (dialog != nullptr || windows.rootGone || windows.rootFrame == nullptr)
        return 0;
    PlayerDialog box(windows.rootFrame);
    dialog = &box;
    windows.playerDialog = &box;
    const int result = box.ShowModal();
    dialog = nullptr;
    windows.playerDialog = nullptr;
    return result;
}

void EndPlayerDialog(int32_t result) {
    if (dialog != nullptr && dialog->IsModal())
        dialog->EndModal(result);
}

void BringDialogToFront() {
    if (dialog != nullptr)
        dialog->Raise();
}

int32_t GetDialogEditText(char* buffer, int32_t capacity) {
    if (buffer == nullptr || capacity <= 0)
        return 0;
    buffer[0] = '\0';
    if (dialog == nullptr)
        return 0;
    const std::string text = ToWindows1252(dialog->edit->GetValue());
    const int32_t n = std::min<int32_t>(capacity - 1, static_cast<int32_t>(text.size()));
    std::memcpy(buffer, text.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

void SetDialogEditText(const char* text) {
    if (dialog != nullptr)
        dialog->edit->ChangeValue(FromWindows1252(text));
}

void FocusDialogEdit() {
    if (dialog != nullptr)
        dialog->edit->SetFocus();
}

bool IsDialogRobotChecked() {
    return dialog != nullptr && dialog->robot->GetValue();
}

void SetDialogRobotChecked(bool checked) {
    if (dialog != nullptr)
        dialog->robot->SetValue(checked);
}

void AddDialogListItem(const char* text) {
    if (dialog != nullptr)
        dialog->list->Append(FromWindows1252(text));
}
