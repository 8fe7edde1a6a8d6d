// The root window: a frame with the menu bar of the resources and a canvas that shows the
// backing bitmap the sheet is painted into.
#include "platform/wx/rootwin.h"
#include "platform/bmp.h"
#include "platform/menu.h"
#include "platform/wx/frames.h"
#include "platform/wx/quit.h"
#include "platform/wx/sound.h"
#include "platform/wx/text.h"
#include "res/resources.h"
#include <algorithm>
#include <cctype>
#include <vector>
#include <wx/app.h>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/menu.h>

namespace {

// The menu bar's titles make the window's first frame; the items behind them, which nobody sees
// before a menu opens, are added once that frame is on the screen (AddMenuItems).
wxMenuBar* BuildMenuBar() {
    wxMenuBar* bar = new wxMenuBar;
    for (int32_t i = 0; i < ROOT_MENU_COUNT; i++)
        if (ROOT_MENU[i].depth == 0 && ROOT_MENU[i].commandId == 0)
            bar->Append(new wxMenu, FromWindows1252(ROOT_MENU[i].text));
    return bar;
}

// Checks and enabled states asked for before the items exist, in the order asked.
struct MenuState {
    int32_t commandId;
    bool check, value;
};
std::vector<MenuState> pendingStates;
bool menuItemsAdded = false;

void ApplyMenuState(wxMenuBar* bar, const MenuState& s) {
    wxMenuItem* item = bar->FindItem(s.commandId);
    if (item == nullptr)
        return;
    if (!s.check)
        bar->Enable(s.commandId, s.value);
    else if (item->IsCheckable())
        bar->Check(s.commandId, s.value);
}

void AddMenuItems(wxMenuBar* bar) {
    if (menuItemsAdded)
        return;
    menuItemsAdded = true;
    wxMenu* open[4] = {};
    size_t title = 0;
    for (int32_t i = 0; i < ROOT_MENU_COUNT; i++) {
        const MenuEntry& e = ROOT_MENU[i];
        if (e.depth < 0 || e.depth > 3 || (e.depth > 0 && open[e.depth - 1] == nullptr))
            continue; // a malformed table loses the row, not the program
        if (e.commandId == 0) {
            wxMenu* menu = nullptr;
            if (e.depth == 0)
                menu = title < bar->GetMenuCount() ? bar->GetMenu(title++) : nullptr;
            else
                open[e.depth - 1]->AppendSubMenu(menu = new wxMenu, FromWindows1252(e.text));
            open[e.depth] = menu;
            for (int32_t d = e.depth + 1; d < 4; d++)
                open[d] = nullptr;
        } else if (e.depth > 0) {
            open[e.depth - 1]->Append(e.commandId, FromWindows1252(e.text), wxString(),
                                      e.check ? wxITEM_CHECK : wxITEM_NORMAL);
        }
    }
    for (const MenuState& s : pendingStates)
        ApplyMenuState(bar, s);
    pendingStates.clear();
}

void SetMenuState(const MenuState& s) {
    if (windows.rootFrame == nullptr || windows.rootGone)
        return;
    if (!menuItemsAdded)
        pendingStates.push_back(s);
    else if (wxMenuBar* bar = windows.rootFrame->GetMenuBar())
        ApplyMenuState(bar, s);
}

void SetIconFromResources(wxFrame* frame) {
    ResourceData data;
    DecodedBmp bmp;
    if (!FindResourceData(IDI_APP_ICON, &data) || !DecodeBmp(data.data, data.size, 4, &bmp))
        return;
    wxImage image(bmp.width, bmp.height, false);
    image.SetAlpha();
    unsigned char *rgb = image.GetData(), *alpha = image.GetAlpha();
    for (size_t i = 0; i < bmp.pixels.size() / 4; i++) {
        std::copy_n(&bmp.pixels[4 * i], 3, rgb + 3 * i);
        alpha[i] = bmp.pixels[4 * i + 3];
    }
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(image));
    frame->SetIcon(icon);
}

class RootCanvas : public BackedWindow {
  public:
    explicit RootCanvas(wxWindow* parent)
        : BackedWindow(parent, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS) {
        Bind(wxEVT_KEY_DOWN, [](wxKeyEvent& e) {
            const int key = GameKey(e);
            if (key != 0 && platformEvents.rootKey != nullptr && !windows.rootGone)
                platformEvents.rootKey(key);
            else
                e.Skip();
        });
        Bind(wxEVT_LEFT_DOWN, [](wxMouseEvent& e) { Forward(platformEvents.rootLeftDown, e); });
        Bind(wxEVT_LEFT_DCLICK,
             [](wxMouseEvent& e) { Forward(platformEvents.rootLeftDoubleClick, e); });
        Bind(wxEVT_RIGHT_DOWN, [](wxMouseEvent& e) { Forward(platformEvents.rootRightDown, e); });
        Bind(wxEVT_SIZE, &RootCanvas::OnSize, this);
    }

    bool AcceptsFocus() const override { return true; }

  protected:
    // What the window system uncovers is painted anew from the game, as the game paints: once
    // control is back in a loop, so never inside a robot's turn. The bitmap serves meanwhile.
    void Exposed(const wxRegion& area) override {
        invalid.Union(area);
        if (!exposedOnce_) {
            exposedOnce_ = true;
            StartAudio(); // the first frame is on its way: the sound may take its time now
            CallAfter([this] {
                auto* frame = static_cast<wxFrame*>(GetParent());
                if (wxMenuBar* bar = frame->GetMenuBar())
                    AddMenuItems(bar);
                SetIconFromResources(frame);
            });
        }
        CallAfter([] { UpdateWindowNow(WINDOW_ROOT); });
    }

  private:
    bool exposedOnce_ = false;
    static void Forward(void (*handler)(int32_t, int32_t), wxMouseEvent& e) {
        if (handler != nullptr && !windows.rootGone)
            handler(e.GetX(), e.GetY());
    }
    // Every change of size repaints the whole client area, at the new size.
    void OnSize(wxSizeEvent& e) {
        e.Skip();
        if (Backing().GetSize() == GetClientSize() || windows.rootGone)
            return;
        ResizeBacking();
        if (!GetParent()->IsShown())
            return;
        invalid = wxRegion(wxRect(GetClientSize()));
        UpdateWindowNow(WINDOW_ROOT);
    }
};

// Where the system puts a first window of its own choosing: the top left of the work area. The
// dice window's fixed place on the screen was chosen against a game window there, and a window
// manager's own choice (centred, under the pointer, wherever it is free) would hide the sheet.
wxPoint DefaultPlace() {
    return wxDisplay(0u).GetClientArea().GetTopLeft();
}

class RootFrame : public wxFrame {
  public:
    RootFrame(const wxString& title, const wxSize& size)
        : wxFrame(nullptr, wxID_ANY, title, DefaultPlace(), size) {
        Bind(wxEVT_MENU, [](wxCommandEvent& e) {
            if (platformEvents.rootCommand != nullptr && !windows.rootGone)
                platformEvents.rootCommand(e.GetId());
        });
        Bind(wxEVT_CLOSE_WINDOW, &RootFrame::OnClose, this);
    }

  private:
    // A close request during a robot's pause is only remembered; the pause then ends and the
    // frame goes once control is back in the main loop.
    void OnClose(wxCloseEvent& e) {
        if (InPause() && e.CanVeto()) {
            e.Veto();
            RequestQuit();
            return;
        }
        DestroyRootWindow();
    }
};

} // namespace

bool RegisterWindowClasses() {
    return wxTheApp != nullptr;
}

bool CreateRootWindow(const char* title, int32_t outerWidth, int32_t outerHeight) {
    if (wxTheApp == nullptr || (windows.rootFrame != nullptr && !windows.rootGone))
        return false;
    windows = PlatformWindows{};
    RootFrame* frame = new RootFrame(FromWindows1252(title), wxSize(outerWidth, outerHeight));
    windows.rootFrame = frame;
    windows.rootCanvas = new RootCanvas(frame);
    pendingStates.clear();
    menuItemsAdded = false;
    frame->SetMenuBar(BuildMenuBar());
    windows.rootCanvas->ResizeBacking();
    if (platformEvents.rootCreate != nullptr)
        platformEvents.rootCreate();
    return true;
}

void SetMenuCheck(int32_t commandId, bool checked) {
    SetMenuState({commandId, true, checked});
}

void SetMenuEnabled(int32_t commandId, bool enabled) {
    SetMenuState({commandId, false, enabled});
}

void DestroyRootWindow() {
    if (windows.rootGone || windows.rootFrame == nullptr)
        return;
    if (platformEvents.rootDestroy != nullptr)
        platformEvents.rootDestroy();
    windows.rootGone = true;
    wxFrame* frame = windows.rootFrame;
    // The dice window and the help window are owned by the frame and go with it.
    windows = PlatformWindows{};
    windows.rootGone = true;
    frame->Destroy();
    if (wxTheApp != nullptr)
        wxTheApp->ExitMainLoop();
}

void CloseRootWindow() {
    if (windows.rootFrame != nullptr && !windows.rootGone)
        windows.rootFrame->Close(true);
}

int GameKey(const wxKeyEvent& e) {
    switch (e.GetKeyCode()) {
    case WXK_UP:
    case WXK_NUMPAD_UP:
        return KEY_UP;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        return KEY_DOWN;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return KEY_RETURN;
    case WXK_F1:
        return KEY_F1;
    default:
        break;
    }
    if (e.HasAnyModifiers())
        return 0;
    const int c = e.GetKeyCode() >= WXK_NUMPAD0 && e.GetKeyCode() <= WXK_NUMPAD9
                      ? '0' + e.GetKeyCode() - WXK_NUMPAD0
                      : static_cast<int>(e.GetUnicodeKey());
    return c > 0 && c < 128 && std::isalnum(c) ? std::tolower(c) : 0;
}
