// The dice window: a caption-only frame owned by the root window, a row of command buttons
// (GTK has no commands placed directly on a menu bar), and below it the client area the ui
// paints, holding the five die buttons.
#include "platform/menu.h"
#include "platform/wx/wxplatform.h"
#include "res/resources.h"
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/tglbtn.h>

namespace {

constexpr int32_t DIE_SIZE = 64;
constexpr int32_t DIE_PITCH = 70;
constexpr int32_t CLIENT_HEIGHT = 88;
constexpr int32_t ALIKE_COMMAND = 2004;

wxToggleButton* alikeButton = nullptr;
bool alikeHighlighted = false;

// A die button: its own 64 x 64 bitmap, a press (mouse or Space/Return) toggles the die once.
class DieButton : public BackedWindow {
  public:
    DieButton(wxWindow* parent, int32_t die)
        : BackedWindow(parent, wxPoint(DIE_PITCH * die, 0), wxSize(DIE_SIZE, DIE_SIZE),
                       wxWANTS_CHARS),
          die_(die) {
        Bind(wxEVT_LEFT_DOWN, &DieButton::OnMouse, this);
        // A button takes the second press of a double click as one more press.
        Bind(wxEVT_LEFT_DCLICK, &DieButton::OnMouse, this);
        Bind(wxEVT_KEY_DOWN, &DieButton::OnKeyDown, this);
        Bind(wxEVT_KEY_UP, &DieButton::OnKeyUp, this);
    }
    bool AcceptsFocus() const override { return true; }

  private:
    void Press() {
        if (platformEvents.diePressed != nullptr && !windows.rootGone)
            platformEvents.diePressed(die_);
    }
    void OnMouse(wxMouseEvent&) {
        SetFocus();
        Press();
    }
    static bool IsPressKey(int code) {
        return code == WXK_SPACE || code == WXK_RETURN || code == WXK_NUMPAD_ENTER;
    }
    void OnKeyDown(wxKeyEvent& e) {
        if (IsPressKey(e.GetKeyCode())) {
            if (!keyDown_) // auto-repeat is still the same press
                Press();
            keyDown_ = true;
        } else if (e.GetKeyCode() == WXK_TAB) {
            Navigate(e.ShiftDown() ? wxNavigationKeyEvent::IsBackward
                                   : wxNavigationKeyEvent::IsForward);
        } else {
            e.Skip();
        }
    }
    void OnKeyUp(wxKeyEvent& e) {
        if (IsPressKey(e.GetKeyCode()))
            keyDown_ = false;
        e.Skip();
    }

    int32_t die_;
    bool keyDown_ = false;
};

class DicePanel : public BackedWindow {
  public:
    DicePanel(wxWindow* parent, int32_t width)
        : BackedWindow(parent, wxDefaultPosition, wxSize(width, CLIENT_HEIGHT)) {
        SetMinSize(wxSize(width, CLIENT_HEIGHT));
        Bind(wxEVT_LEFT_DCLICK, [](wxMouseEvent&) {
            if (platformEvents.diceDoubleClick != nullptr && !windows.rootGone)
                platformEvents.diceDoubleClick();
        });
    }
};

void SendDiceCommand(int32_t id) {
    if (platformEvents.diceCommand != nullptr && !windows.rootGone)
        platformEvents.diceCommand(id);
}

class DiceFrame : public wxFrame {
  public:
    DiceFrame(wxWindow* owner, const wxString& title, const wxPoint& pos, int32_t width)
        : wxFrame(owner, wxID_ANY, title, pos, wxDefaultSize,
                  wxCAPTION | wxFRAME_FLOAT_ON_PARENT | wxFRAME_NO_TASKBAR) {
        wxPanel* root = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                    wxTAB_TRAVERSAL | wxBORDER_NONE);
        root->SetBackgroundColour(*wxWHITE);
        wxBoxSizer* row = new wxBoxSizer(wxHORIZONTAL);
        for (int32_t i = 0; i < DICE_MENU_COUNT; i++) {
            const MenuEntry& e = DICE_MENU[i];
            const wxString label = FromWindows1252(e.text);
            const int32_t id = e.commandId;
            if (id == ALIKE_COMMAND) {
                alikeButton = new wxToggleButton(root, id, label, wxDefaultPosition, wxDefaultSize,
                                                 wxBU_EXACTFIT);
                alikeButton->Bind(wxEVT_TOGGLEBUTTON, [](wxCommandEvent&) {
                    SendDiceCommand(ALIKE_COMMAND);
                    // The ui decides the highlight, not the click.
                    if (alikeButton != nullptr)
                        alikeButton->SetValue(alikeHighlighted);
                });
                row->Add(alikeButton, 1, wxEXPAND);
            } else {
                wxButton* button =
                    new wxButton(root, id, label, wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
                button->Bind(wxEVT_BUTTON, [id](wxCommandEvent&) { SendDiceCommand(id); });
                row->Add(button, 1, wxEXPAND);
            }
        }
        const int32_t clientWidth = std::max(width, row->GetMinSize().x);
        DicePanel* panel = new DicePanel(root, clientWidth);
        windows.dicePanel = panel;
        for (int32_t i = 0; i < 5; i++)
            windows.dieButtons[i] = new DieButton(panel, i);
        wxBoxSizer* column = new wxBoxSizer(wxVERTICAL);
        column->Add(row, 0, wxEXPAND);
        column->Add(panel, 0, wxEXPAND);
        root->SetSizer(column);
        column->SetSizeHints(this);
        SetSizeHints(GetSize(), GetSize()); // not resizable
        panel->ResizeBacking();
        // A close request could only come from the window system; the owner decides.
        Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& e) {
            if (e.CanVeto())
                e.Veto();
            else
                e.Skip();
        });
        Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& e) {
            if (e.GetEventObject() == this)
                alikeButton = nullptr;
            e.Skip();
        });
    }
};

} // namespace

bool CreateDiceWindow(const char* title, int32_t x, int32_t y, int32_t outerWidth) {
    if (windows.rootFrame == nullptr || windows.rootGone || windows.diceFrame != nullptr)
        return false;
    alikeHighlighted = false;
    windows.diceFrame =
        new DiceFrame(windows.rootFrame, FromWindows1252(title), wxPoint(x, y), outerWidth);
    return true;
}

void SetDiceCommandHighlight(int32_t commandId, bool highlighted) {
    if (commandId != ALIKE_COMMAND)
        return;
    alikeHighlighted = highlighted;
    if (alikeButton != nullptr && !windows.rootGone)
        alikeButton->SetValue(highlighted);
}
