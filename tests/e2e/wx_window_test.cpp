// The root and dice windows: invalid areas and the paint handler, the menu bar, the dice
// window's controls and what they deliver, text conversion, the player dialog, help.
#include "platform/dialog.h"
#include "platform/menu.h"
#include "platform/system.h"
#include "res/resources.h"
#include "tests/e2e/wx_support.h"
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/tglbtn.h>

namespace {

TEST(Text, Windows1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; b++)
        all += static_cast<char>(b);
    EXPECT_EQ(ToWindows1252(FromWindows1252(all.c_str())), all);
    EXPECT_EQ(FromWindows1252("T\xe4rningarna"), wxString::FromUTF8("Tärningarna"));
    EXPECT_EQ(FromWindows1252("\x80\x96\x9f"), wxString::FromUTF8("€–Ÿ"));
    EXPECT_EQ(ToWindows1252(wxString::FromUTF8("Kåk ™ 中")), "K\xe5k \x99 ?");
    EXPECT_EQ(FromWindows1252("AB\0CD", 5).length(), 5u); // a length counts every byte
    EXPECT_TRUE(FromWindows1252(nullptr).empty());
}

class Windows : public ::testing::Test {
  protected:
    void SetUp() override {
        ValidateWindow(WINDOW_ROOT);
        ValidateWindow(WINDOW_DICE);
        delivered.clear();
    }
};

TEST_F(Windows, InvalidAreasGrowUntilThePaintHandlerValidatesThem) {
    Rect bounds{1, 1, 1, 1};
    EXPECT_FALSE(GetUpdateBounds(WINDOW_ROOT, &bounds));
    UpdateWindowNow(WINDOW_ROOT);
    EXPECT_EQ(CountDelivered(EV_ROOT_PAINT), 0);

    InvalidateArea(WINDOW_ROOT, Rect{17, 0, 264, 363});
    InvalidateArea(WINDOW_ROOT, Rect{17, 363, 266, 427});
    InvalidateArea(WINDOW_ROOT, Rect{50, 50, 50, 60}); // empty: nothing
    ASSERT_TRUE(GetUpdateBounds(WINDOW_ROOT, &bounds));
    EXPECT_EQ(bounds.left, 17);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.right, 266);
    EXPECT_EQ(bounds.bottom, 427);
    UpdateWindowNow(WINDOW_ROOT);
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0], (Delivered{EV_ROOT_PAINT, 249, 427}));
    UpdateWindowNow(WINDOW_ROOT); // valid again: no second paint
    EXPECT_EQ(delivered.size(), 1u);

    int32_t cw = 0, ch = 0;
    GetClientSize(WINDOW_ROOT, &cw, &ch);
    InvalidateArea(WINDOW_ROOT, Rect{cw - 10, ch - 10, cw + 100, ch + 100});
    ASSERT_TRUE(GetUpdateBounds(WINDOW_ROOT, &bounds));
    EXPECT_EQ(bounds.right, cw); // clipped to the client area
    EXPECT_EQ(bounds.bottom, ch);
    InvalidateArea(WINDOW_DICE, Rect{0, 0, 10, 10});
    UpdateWindowNow(WINDOW_DICE);
    EXPECT_EQ(CountDelivered(EV_DICE_PAINT), 1);
    EXPECT_TRUE(GetUpdateBounds(WINDOW_ROOT, &bounds)); // each window has its own area
}

TEST_F(Windows, TheMenuBarComesFromTheResourcesWithItsCheckItems) {
    wxMenuBar* bar = windows.rootFrame->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuCount(), 3u);
    EXPECT_EQ(bar->GetMenuLabelText(1), wxString::FromUTF8("Inställningar"));
    for (int id : {1007, 1008, 1009, 1010, 1011, 1013}) {
        ASSERT_NE(bar->FindItem(id), nullptr) << id;
        EXPECT_TRUE(bar->FindItem(id)->IsCheckable()) << id;
        SetMenuCheck(id, true);
        EXPECT_TRUE(bar->IsChecked(id));
        SetMenuCheck(id, false);
        EXPECT_FALSE(bar->IsChecked(id));
    }
    for (int id : {1001, 1002, 1003, 1004, 1005, 1006, 1012}) {
        ASSERT_NE(bar->FindItem(id), nullptr) << id;
        EXPECT_FALSE(bar->FindItem(id)->IsCheckable()) << id;
        SetMenuCheck(id, true); // ignored, no crash
    }
    EXPECT_EQ(bar->FindItem(1011)->GetItemLabel(), wxString::FromUTF8("&Långa kast"));
    SetMenuCheck(4242, true);
}

TEST_F(Windows, TheDiceWindowHasRoomForFiveDiceAndTheStrip) {
    int32_t w = 0, h = 0;
    GetClientSize(WINDOW_DICE, &w, &h);
    EXPECT_GE(w, 344);
    EXPECT_GE(h, 88);
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(windows.dieButtons[i]->GetPosition(), wxPoint(70 * i, 0));
        EXPECT_EQ(windows.dieButtons[i]->GetSize(), wxSize(64, 64));
        EXPECT_TRUE(windows.dieButtons[i]->AcceptsFocus());
    }
    EXPECT_EQ(windows.diceFrame->GetTitle(), wxString::FromUTF8("Tärningarna"));
    EXPECT_FALSE(windows.diceFrame->HasFlag(wxCLOSE_BOX));
    EXPECT_FALSE(windows.diceFrame->HasFlag(wxRESIZE_BORDER));
    EXPECT_EQ(windows.diceFrame->GetParent(), windows.rootFrame);
    SetWindowTitle(WINDOW_DICE, "Spelare: \xc5sa   Kvar: 2");
    EXPECT_EQ(windows.diceFrame->GetTitle(), wxString::FromUTF8("Spelare: Åsa   Kvar: 2"));
}

void Send(wxWindow* w, wxEvent&& e) {
    e.SetEventObject(w);
    w->ProcessWindowEvent(e);
}

wxKeyEvent Key(wxEventType type, int code) {
    wxKeyEvent e(type);
    e.m_keyCode = code;
    return e;
}

// A command's id, a key's code, or a mouse event's position.
void Send(wxWindow* w, wxEventType type, int a, int b) {
    if (type == wxEVT_KEY_DOWN || type == wxEVT_KEY_UP) {
        Send(w, Key(type, a));
    } else if (type == wxEVT_MENU || type == wxEVT_BUTTON) {
        Send(w, wxCommandEvent(type, a));
    } else {
        wxMouseEvent e(type);
        e.SetPosition(wxPoint(a, b));
        Send(w, std::move(e));
    }
}

wxWindow* Command(int id) {
    return wxWindow::FindWindowById(id, windows.diceFrame);
}

// Each input in turn, and what reaches the handlers. A die toggles once per press: the second
// press of a double click is one, Space's auto-repeat and release are not.
TEST_F(Windows, EveryInputDeliversItsEvent) {
    using Out = std::vector<Delivered>;
    const struct {
        wxWindow* to;
        wxEventType type;
        int a, b;
        Out out;
    } inputs[] = {
        {windows.rootCanvas, wxEVT_LEFT_DOWN, 100, 150, Out{{EV_LEFT_DOWN, 100, 150}}},
        {windows.rootCanvas, wxEVT_LEFT_DCLICK, 101, 151, Out{{EV_LEFT_DOUBLE, 101, 151}}},
        {windows.rootCanvas, wxEVT_RIGHT_DOWN, 5, 6, Out{{EV_RIGHT_DOWN, 5, 6}}},
        {windows.rootFrame, wxEVT_MENU, 1004, 0, Out{{EV_ROOT_COMMAND, 1004, 0}}},
        {windows.dieButtons[2], wxEVT_LEFT_DOWN, 0, 0, Out{{EV_DIE_PRESSED, 2, 0}}},
        {windows.dieButtons[2], wxEVT_LEFT_DCLICK, 0, 0, Out{{EV_DIE_PRESSED, 2, 0}}},
        {windows.dieButtons[4], wxEVT_KEY_DOWN, WXK_SPACE, 0, Out{{EV_DIE_PRESSED, 4, 0}}},
        {windows.dieButtons[4], wxEVT_KEY_DOWN, WXK_SPACE, 0, Out{}},
        {windows.dieButtons[4], wxEVT_KEY_UP, WXK_SPACE, 0, Out{}},
        {windows.dieButtons[4], wxEVT_KEY_DOWN, 'A', 0, Out{}},
        {windows.dieButtons[0], wxEVT_KEY_DOWN, WXK_RETURN, 0, Out{{EV_DIE_PRESSED, 0, 0}}},
        {Command(2001), wxEVT_BUTTON, 2001, 0, Out{{EV_DICE_COMMAND, 2001, 0}}},
        {Command(2002), wxEVT_BUTTON, 2002, 0, Out{{EV_DICE_COMMAND, 2002, 0}}},
        {Command(2003), wxEVT_BUTTON, 2003, 0, Out{{EV_DICE_COMMAND, 2003, 0}}},
        {Command(2006), wxEVT_BUTTON, 2006, 0, Out{{EV_DICE_COMMAND, 2006, 0}}},
        {windows.dicePanel, wxEVT_LEFT_DCLICK, 0, 0, Out{{EV_DICE_DOUBLE, 0, 0}}},
    };
    for (const auto& in : inputs) {
        SCOPED_TRACE(::testing::Message() << in.type << " " << in.a << " #" << (&in - inputs));
        ASSERT_NE(in.to, nullptr);
        delivered.clear();
        Send(in.to, in.type, in.a, in.b);
        EXPECT_EQ(delivered, in.out);
    }
}

TEST_F(Windows, LikaSendsItsCommandAndShowsTheUisHighlight) {
    for (int id : {2001, 2002, 2003, 2006}) {
        EXPECT_NE(wxDynamicCast(Command(id), wxButton), nullptr) << id;
    }
    auto* alike = wxDynamicCast(Command(2004), wxToggleButton);
    ASSERT_NE(alike, nullptr);
    EXPECT_EQ(alike->GetLabel(), "&Lika");
    SetDiceCommandHighlight(2004, true);
    EXPECT_TRUE(alike->GetValue());
    // A click the ui answers by leaving the mode on keeps it shown on.
    alike->SetValue(false);
    Send(alike, wxCommandEvent(wxEVT_TOGGLEBUTTON, 2004));
    EXPECT_TRUE(alike->GetValue());
    SetDiceCommandHighlight(2004, false);
    EXPECT_FALSE(alike->GetValue());
    SetDiceCommandHighlight(2001, true); // only "&Lika" has a highlight
    EXPECT_EQ(delivered, (std::vector<Delivered>{{EV_DICE_COMMAND, 2004, 0}}));
}

TEST_F(Windows, ShowingTheDiceWindowRedrawsTheDiceAndExposesAllOfIt) {
    ShowWindowNow(WINDOW_DICE);
    EXPECT_EQ(CountDelivered(EV_DIE_REDRAW), 5);
    Rect bounds;
    ASSERT_TRUE(GetUpdateBounds(WINDOW_DICE, &bounds));
    int32_t w = 0, h = 0;
    GetClientSize(WINDOW_DICE, &w, &h);
    EXPECT_EQ(bounds.right - bounds.left, w);
    EXPECT_EQ(bounds.bottom - bounds.top, h);
    ShowWindowNow(WINDOW_DICE); // already shown: nothing more
    EXPECT_EQ(CountDelivered(EV_DIE_REDRAW), 5);
    Rect r;
    ASSERT_TRUE(GetWindowRectInRoot(WINDOW_DICE, &r));
    EXPECT_GE(r.right - r.left, w);
    HideWindow(WINDOW_DICE);
    EXPECT_FALSE(windows.diceFrame->IsShown());
    ActivateWindow(WINDOW_DICE); // hidden: does nothing, shows nothing
    EXPECT_FALSE(windows.diceFrame->IsShown());
}

TEST_F(Windows, ThePlayerDialogForwardsItsCommandsAndIgnoresEscape) {
    static std::vector<std::string> seen;
    seen.clear();
    platformEvents.dialogInit = [] {
        delivered.push_back({EV_DIALOG_INIT, 0, 0});
        wxTheApp->CallAfter([] {
            wxDialog* d = windows.playerDialog;
            EXPECT_FALSE(d->HasFlag(wxCAPTION));
            SetDialogEditText("ABCDE");
            char name[4] = "xyz";
            EXPECT_EQ(GetDialogEditText(name, 4), 3);
            seen.push_back(name);
            SetDialogEditText("\xc5sa");
            EXPECT_EQ(GetDialogEditText(name, 4), 3);
            seen.push_back(name);
            SetDialogRobotChecked(true);
            EXPECT_TRUE(IsDialogRobotChecked());
            AddDialogListItem("Zed");
            AddDialogListItem("Ann");
            auto* list = wxDynamicCast(wxWindow::FindWindowById(IDC_NAME_LIST, d), wxListBox);
            seen.push_back(ToWindows1252(list->GetString(0)));
            auto* add = wxDynamicCast(wxWindow::FindWindowById(IDC_ADD_PLAYER, d), wxButton);
            EXPECT_EQ(d->GetDefaultItem(), add);
            Send(d, Key(wxEVT_CHAR_HOOK, WXK_ESCAPE));
            EXPECT_TRUE(d->IsModal()); // still open
            Send(add, wxCommandEvent(wxEVT_BUTTON, IDC_ADD_PLAYER));
            EndPlayerDialog(7);
        });
    };
    EXPECT_EQ(RunPlayerDialog(), 7);
    EXPECT_EQ(windows.playerDialog, nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"ABC", "\xc5sa", "Ann"}));
    const std::vector<Delivered> expected = {{EV_DIALOG_INIT, 0, 0},
                                             {EV_DIALOG_COMMAND, IDC_CANCEL, 0},
                                             {EV_DIALOG_COMMAND, IDC_ADD_PLAYER, 0}};
    EXPECT_EQ(delivered, expected);
    char buffer[4] = "abc";
    EXPECT_EQ(GetDialogEditText(buffer, 4), 0); // no dialog: empty
    EXPECT_STREQ(buffer, "");
    InstallRecorders();
}

TEST_F(Windows, HelpOpensOneWindowAndClosesIt) {
    auto helpWindows = [] {
        int n = 0;
        for (wxWindow* w : wxTopLevelWindows)
            n += !wxPendingDelete.Member(w) && wxDynamicCast(w, wxFrame) != nullptr &&
                 wxDynamicCast(w, wxFrame)
                     ->GetTitle()
                     .StartsWith(wxString::FromUTF8("Tolvik dyxel – hjälp"));
        return n;
    };
    OpenHelp();
    OpenHelp();
    EXPECT_EQ(helpWindows(), 1);
    CloseHelp();
    CloseHelp();
    EXPECT_EQ(helpWindows(), 0);
}

TEST(Sound, MissingOrUndecodableResourcesPlayNothing) {
    EXPECT_FALSE(PlatformPlaySound(9999));
    EXPECT_FALSE(PlatformPlaySound(IDT_ABOUT)); // a text, not a wave
    EXPECT_FALSE(PlatformPlaySound(IDT_ABOUT));
    ResourceData wave;
    if (FindResourceData(IDW_FIVE_ALIKE, &wave)) { // the dummy audio driver plays it
        EXPECT_TRUE(PlatformPlaySound(IDW_FIVE_ALIKE));
        EXPECT_TRUE(PlatformPlaySound(IDW_BONUS)); // cuts the first one off
        EXPECT_EQ(Mix_Playing(-1), 1);
        // Once quiet for a while the device is closed (no audio thread while idle) ...
        SettleEvents(4500);
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
        // ... and the next sound opens it again.
        EXPECT_TRUE(PlatformPlaySound(IDW_THROW_FIRST));
        EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    }
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RunTestsWithWindows(argc, argv);
}
