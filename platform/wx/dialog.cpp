// The modal new-player dialog: no caption, centred on the mouse pointer, the controls of the
// template at its places, in its order (which is the order of the Tab key). Its rules live in
// the ui; this only shows it and forwards its commands.
#include "platform/dialog.h"
#include "platform/wx/draw.h"
#include "platform/wx/frames.h"
#include "platform/wx/quit.h"
#include "platform/wx/text.h"
#include <algorithm>
#include <cstring>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcscreen.h>
#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/listbox.h>
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
        SetFont(DefaultGuiFont());
        // Dialog units of the game's font: a quarter of its average width, an eighth of its
        // height.
        wxScreenDC measure;
        measure.SetFont(DefaultGuiFont());
        unitX_ = measure.GetCharWidth();
        unitY_ = measure.GetCharHeight();
        // The template's order: edit, "Klar", the group, the list, "Lägg till", "Robot".
        edit = new wxTextCtrl(this, IDC_NAME_EDIT, wxString(), At(8, 12), Size(45, 10));
        wxButton* done = new wxButton(this, IDC_DONE, "Klar", At(65, 75), Size(29, 14));
        new wxStaticBox(this, IDC_NEW_PLAYER_GROUP, FromWindows1252("Ny spelare"), At(4, 2),
                        Size(90, 26));
        list = new wxListBox(this, IDC_NAME_LIST, At(10, 35), Size(45, 50), 0, nullptr,
                             wxLB_SORT | wxLB_SINGLE);
        add = new wxButton(this, IDC_ADD_PLAYER, FromWindows1252("L\xe4gg till"), At(65, 30),
                           Size(30, 14));
        robot = new wxCheckBox(this, IDC_ROBOT_CHECK, "Robot", At(58, 12), Size(32, 10));
        new wxStaticBox(this, IDC_LIST_GROUP, wxString(), At(5, 25), Size(55, 65));
        // GTK's controls need more room than the template's units give some of them.
        wxRect extent;
        for (wxWindow* control : GetChildren()) {
            wxSize size = control->GetSize();
            size.IncTo(control->GetBestSize());
            control->SetSize(size);
            extent.Union(control->GetRect());
        }
        wxSize client = Size(100, 95);
        client.IncTo(wxSize(extent.GetRight() + unitX_, extent.GetBottom() + unitY_ / 2));
        SetClientSize(client);

        add->SetDefault(); // Return adds the player
        SetEscapeId(wxID_NONE);
        add->Bind(wxEVT_BUTTON, [](wxCommandEvent&) { SendCommand(IDC_ADD_PLAYER); });
        done->Bind(wxEVT_BUTTON, [](wxCommandEvent&) { SendCommand(IDC_DONE); });
        // Return presses "Klar" when it has the focus, else "Lägg till", at once: GTK would
        // show the default button pressed for a moment first, and a name typed meanwhile would
        // be lost when the field is emptied. Escape is handed to the ui, which ignores it: the
        // dialog cannot be cancelled.
        Bind(wxEVT_CHAR_HOOK, [done](wxKeyEvent& e) {
            const int key = e.GetKeyCode();
            if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER)
                SendCommand(FindFocus() == done ? IDC_DONE : IDC_ADD_PLAYER);
            else if (key == WXK_ESCAPE)
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
    wxPoint At(int x, int y) const { return wxPoint(x * unitX_ / 4, y * unitY_ / 8); }
    wxSize Size(int w, int h) const { return wxSize(w * unitX_ / 4, h * unitY_ / 8); }

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

    int unitX_, unitY_;
};

PlayerDialog* dialog = nullptr;

} // namespace

int32_t RunPlayerDialog() {
    if (dialog != nullptr || windows.rootGone || windows.rootFrame == nullptr)
        return 0;
    PlayerDialog box(windows.rootFrame);
    dialog = &box;
    windows.playerDialog = &box;
    wxDialog* outer = modalDialog;
    modalDialog = &box;
    RealizeAtOwnSize(&box);
    const int result = box.ShowModal();
    modalDialog = outer;
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
