// The dice window: a frame with a caption alone, owned by the root window; a bar of five
// commands drawn like a menu bar (GTK puts no command directly on a menu bar), which takes no
// keyboard focus; and below it the client area the ui paints, holding the five die buttons.
#include "platform/menu.h"
#include "platform/wx/frames.h"
#include "platform/wx/rootwin.h"
#include "platform/wx/text.h"
#include "res/resources.h"
#include <cctype>
#include <cstring>
#include <gtk/gtk.h>
#include <vector>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/settings.h>
#include <wx/sizer.h>

namespace {

constexpr int32_t DIE_SIZE = 64;
constexpr int32_t DIE_PITCH = 70;
constexpr int32_t CLIENT_HEIGHT = 88;
constexpr int32_t ALIKE_COMMAND = 2004;
constexpr int32_t FRAME_BORDER = 1; // the window's frame, drawn by itself

void SendDiceCommand(int32_t id) {
    if (platformEvents.diceCommand != nullptr && !windows.rootGone)
        platformEvents.diceCommand(id);
}

// A die button: its own 64 x 64 bitmap. A click, or Space while it has the focus that a click
// gives it, presses it: the die toggles once.
class DieButton : public BackedWindow {
  public:
    DieButton(wxWindow* parent, int32_t die)
        : BackedWindow(parent, wxPoint(DIE_PITCH * die, 0), wxSize(DIE_SIZE, DIE_SIZE)), die_(die) {
        Bind(wxEVT_LEFT_DOWN, &DieButton::OnMouse, this);
        // A button takes the second press of a double click as one more press.
        Bind(wxEVT_LEFT_DCLICK, &DieButton::OnMouse, this);
        Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& e) {
            if (e.GetKeyCode() != WXK_SPACE)
                e.Skip();
            else if (!spaceDown_) // auto-repeat is still the same press
                Press();
            spaceDown_ = spaceDown_ || e.GetKeyCode() == WXK_SPACE;
        });
        Bind(wxEVT_KEY_UP, [this](wxKeyEvent& e) {
            spaceDown_ = spaceDown_ && e.GetKeyCode() != WXK_SPACE;
            e.Skip();
        });
    }
    bool AcceptsFocus() const override { return true; }
    bool AcceptsFocusFromKeyboard() const override { return false; }

  private:
    void Press() {
        if (platformEvents.diePressed != nullptr && !windows.rootGone)
            platformEvents.diePressed(die_);
    }
    void OnMouse(wxMouseEvent&) {
        SetFocus();
        Press();
    }
    int32_t die_;
    bool spaceDown_ = false;
};

// The client area: white, grey at the bottom as the ui paints it; a double click throws. It
// holds the keyboard focus while no die has it, so that keys reach no command by accident.
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
    bool AcceptsFocus() const override { return true; }
};

// The commands, drawn and used like a menu bar: a click runs a command; Alt and a mnemonic run
// it too, or, when two commands share the mnemonic ("&Kasta", "&Klar"), select the next of them
// for Return to run, as a menu bar does. The highlight shows "&Lika" while it is on, and the
// selection while one is made.
class CommandBar : public wxWindow {
  public:
    explicit CommandBar(wxWindow* parent) : wxWindow(parent, wxID_ANY) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        wxClientDC measure(this);
        measure.SetFont(GetFont());
        int32_t x = 0;
        for (int32_t i = 0; i < DICE_MENU_COUNT; i++) {
            wxString label = FromWindows1252(DICE_MENU[i].text);
            label.Replace("&", "");
            const int32_t w = measure.GetTextExtent(label).x + 2 * measure.GetCharWidth();
            items_.push_back(Item{DICE_MENU[i].commandId, label, MnemonicOf(i), x, w});
            x += w;
        }
        SetMinSize(wxSize(x, measure.GetCharHeight() + 6));
        Bind(wxEVT_PAINT, &CommandBar::OnPaint, this);
        Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& e) {
            for (const Item& item : items_)
                if (e.GetX() >= item.x && e.GetX() < item.x + item.width)
                    Run(item.id);
        });
    }
    bool AcceptsFocus() const override { return false; }

    void SetHighlight(int32_t id, bool on) {
        highlighted_ = on ? id : 0;
        Refresh(false);
    }

    // A key while the dice window is active; true when the bar took it.
    bool Key(const wxKeyEvent& e) {
        const int code = e.GetKeyCode();
        const bool letter = code < 128 && std::isalpha(code);
        if (selected_ >= 0) { // menu mode: letters select, Return runs, anything else leaves
            if (code == WXK_RETURN || code == WXK_NUMPAD_ENTER)
                Run(items_[selected_].id);
            else if (letter)
                Mnemonic(std::tolower(code));
            else if (code == WXK_LEFT || code == WXK_RIGHT)
                Select((selected_ + (code == WXK_LEFT ? DICE_MENU_COUNT - 1 : 1)) %
                       DICE_MENU_COUNT);
            else
                Select(-1);
            return true;
        }
        if (e.AltDown() && !e.ControlDown() && letter) {
            Mnemonic(std::tolower(code));
            return true;
        }
        return false;
    }

  private:
    struct Item {
        int32_t id;
        wxString label;
        int mnemonic;
        int32_t x, width;
    };

    static int MnemonicOf(int32_t i) {
        const char* amp = std::strchr(DICE_MENU[i].text, '&');
        return amp != nullptr && amp[1] != 0 ? std::tolower(static_cast<uint8_t>(amp[1])) : 0;
    }

    void Mnemonic(int letter) {
        int32_t first = -1, next = -1, count = 0;
        for (int32_t i = 0; i < DICE_MENU_COUNT; i++) {
            if (items_[i].mnemonic != letter)
                continue;
            count++;
            first = first < 0 ? i : first;
            next = next < 0 && i > selected_ ? i : next;
        }
        if (count == 1)
            Run(items_[first].id);
        else if (count > 1)
            Select(next >= 0 ? next : first);
    }

    void Select(int32_t i) {
        selected_ = i;
        Refresh(false);
    }

    void Run(int32_t id) {
        Select(-1);
        SendDiceCommand(id);
    }

    void OnPaint(wxPaintEvent&) {
        wxPaintDC dc(this);
        dc.SetFont(GetFont());
        dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_MENUBAR)));
        dc.Clear();
        for (int32_t i = 0; i < DICE_MENU_COUNT; i++) {
            const Item& item = items_[i];
            const bool lit = item.id == highlighted_ || i == selected_;
            if (lit) {
                dc.SetPen(*wxTRANSPARENT_PEN);
                dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT)));
                dc.DrawRectangle(item.x, 0, item.width, GetClientSize().y);
            }
            dc.SetTextForeground(wxSystemSettings::GetColour(lit ? wxSYS_COLOUR_HIGHLIGHTTEXT
                                                                 : wxSYS_COLOUR_MENUTEXT));
            const int32_t x = item.x + dc.GetCharWidth(), y = 3;
            dc.DrawText(item.label, x, y);
            // The mnemonic underlined, always shown, as the game's own menus show it.
            const int at = item.label.Lower().Find(static_cast<wxChar>(item.mnemonic));
            if (at != wxNOT_FOUND) {
                const int32_t u = x + dc.GetTextExtent(item.label.Left(at)).x;
                const int32_t uw = dc.GetTextExtent(item.label.Mid(at, 1)).x;
                dc.SetPen(wxPen(dc.GetTextForeground()));
                dc.DrawLine(u, y + dc.GetCharHeight() - 2, u + uw, y + dc.GetCharHeight() - 2);
            }
        }
    }

    std::vector<Item> items_;
    int32_t highlighted_ = 0, selected_ = -1;
};

CommandBar* commandBar = nullptr;

// The window's caption, drawn in the window: a window manager would add boxes of its own to any
// frame it decorates (close, minimise, maximise), and this window has a caption alone. Dragging
// it moves the window.
class Caption : public wxWindow {
  public:
    explicit Caption(wxFrame* frame) : wxWindow(frame, wxID_ANY), frame_(frame) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        wxFont bold = GetFont().Bold();
        SetFont(bold);
        SetMinSize(wxSize(-1, GetCharHeight() + 8));
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            const bool active = frame_->IsActive();
            dc.SetBackground(wxBrush(wxSystemSettings::GetColour(
                active ? wxSYS_COLOUR_ACTIVECAPTION : wxSYS_COLOUR_INACTIVECAPTION)));
            dc.Clear();
            dc.SetFont(GetFont());
            dc.SetTextForeground(wxSystemSettings::GetColour(
                active ? wxSYS_COLOUR_CAPTIONTEXT : wxSYS_COLOUR_INACTIVECAPTIONTEXT));
            const wxSize text = dc.GetTextExtent(frame_->GetTitle());
            const wxSize size = GetClientSize();
            dc.DrawText(frame_->GetTitle(), (size.x - text.x) / 2, (size.y - text.y) / 2);
        });
        Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& e) {
            const wxPoint at = ClientToScreen(e.GetPosition());
            gtk_window_begin_move_drag(GTK_WINDOW(frame_->GetHandle()), 1, at.x, at.y,
                                       GDK_CURRENT_TIME);
        });
    }
    bool AcceptsFocus() const override { return false; }

  private:
    wxFrame* frame_;
};

class DiceFrame : public wxFrame {
  public:
    DiceFrame(wxWindow* owner, const wxString& title, const wxPoint& pos, int32_t width)
        : wxFrame(owner, wxID_ANY, title, pos, wxDefaultSize,
                  wxBORDER_NONE | wxFRAME_FLOAT_ON_PARENT | wxFRAME_NO_TASKBAR) {
        gtk_window_set_decorated(GTK_WINDOW(GetHandle()), FALSE);
        caption_ = new Caption(this);
        commandBar = new CommandBar(this);
        DicePanel* panel = new DicePanel(this, width - 2 * FRAME_BORDER);
        windows.dicePanel = panel;
        for (int32_t i = 0; i < 5; i++)
            windows.dieButtons[i] = new DieButton(panel, i);
        wxBoxSizer* column = new wxBoxSizer(wxVERTICAL);
        column->Add(caption_, 0, wxEXPAND);
        column->Add(commandBar, 0, wxEXPAND);
        column->Add(panel, 0, wxEXPAND);
        // A thin frame of the window's own colour around it all.
        SetBackgroundColour(wxColour(120, 120, 120));
        wxBoxSizer* frame = new wxBoxSizer(wxVERTICAL);
        frame->Add(column, 1, wxEXPAND | wxALL, FRAME_BORDER);
        SetSizerAndFit(frame);
        SetSizeHints(GetSize(), GetSize()); // not resizable
        panel->ResizeBacking();
        // Keys go to the bar's mnemonics first, then to the game (1 to 5, H).
        Bind(wxEVT_CHAR_HOOK, [](wxKeyEvent& e) {
            const int key = GameKey(e);
            if (commandBar != nullptr && commandBar->Key(e))
                return;
            if (key != 0 && key != KEY_RETURN && platformEvents.diceKey != nullptr &&
                !windows.rootGone)
                platformEvents.diceKey(key);
            else
                e.Skip();
        });
        Bind(wxEVT_ACTIVATE, [this](wxActivateEvent& e) {
            caption_->Refresh(false);
            e.Skip();
        });
        // A close request could only come from the window system; the owner decides.
        Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& e) {
            if (e.CanVeto())
                e.Veto();
            else
                e.Skip();
        });
        Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& e) {
            if (e.GetEventObject() == this)
                commandBar = nullptr;
            e.Skip();
        });
    }

    void SetTitle(const wxString& title) override {
        wxFrame::SetTitle(title);
        caption_->Refresh(false);
    }

  private:
    Caption* caption_;
};

} // namespace

bool CreateDiceWindow(const char* title, int32_t x, int32_t y, int32_t outerWidth) {
    if (windows.rootFrame == nullptr || windows.rootGone || windows.diceWanted)
        return false;
    windows.diceTitle = FromWindows1252(title);
    windows.diceAt = wxPoint(x, y);
    windows.diceWidth = outerWidth;
    windows.diceWanted = true;
    return true;
}

wxFrame* MakeDiceFrame() {
    if (windows.diceFrame == nullptr && windows.diceWanted && !windows.rootGone)
        windows.diceFrame =
            new DiceFrame(windows.rootFrame, windows.diceTitle, windows.diceAt, windows.diceWidth);
    return windows.diceFrame;
}

void SetDiceCommandHighlight(int32_t commandId, bool highlighted) {
    if (commandBar != nullptr && !windows.rootGone && commandId == ALIKE_COMMAND)
        commandBar->SetHighlight(commandId, highlighted);
}
