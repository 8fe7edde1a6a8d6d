// The game's help: the embedded Swedish page in an HTML window of its own.
#include "platform/system.h"
#include "platform/wx/frames.h"
#include "platform/wx/text.h"
#include "res/resources.h"
#include <algorithm>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>

namespace {

wxFrame* helpFrame = nullptr;

wxString HelpPage() {
    ResourceData data;
    if (!FindResourceData(IDT_HELP, &data) || data.size == 0)
        return FromWindows1252("<html><body><p>Hj\xe4lpen saknas i programmet.</p></body></html>");
    return FromWindows1252(reinterpret_cast<const char*>(data.data),
                           static_cast<int32_t>(data.size));
}

// Right of the root window where there is room, else left of it, always wholly on the screen.
wxPoint BesideRoot(const wxSize& size) {
    const wxRect root = windows.rootFrame->GetScreenRect();
    const int d = wxDisplay::GetFromWindow(windows.rootFrame);
    const wxRect area = wxDisplay(d == wxNOT_FOUND ? 0u : static_cast<unsigned>(d)).GetClientArea();
    int x = root.GetRight() + 1;
    if (x + size.x > area.GetRight() + 1)
        x = root.x - size.x;
    x = std::clamp(x, area.x, std::max(area.x, area.GetRight() + 1 - size.x));
    const int y = std::clamp(root.y, area.y, std::max(area.y, area.GetBottom() + 1 - size.y));
    return wxPoint(x, y);
}

} // namespace

void OpenHelp() {
    if (windows.rootGone || windows.rootFrame == nullptr)
        return;
    if (helpFrame != nullptr) {
        helpFrame->Raise();
        return;
    }
    helpFrame =
        new wxFrame(windows.rootFrame, wxID_ANY, FromWindows1252("Tolvik dyxel \x96 hj\xe4lp"),
                    BesideRoot(wxSize(520, 560)), wxSize(520, 560));
    wxHtmlWindow* html = new wxHtmlWindow(helpFrame);
    html->SetPage(HelpPage());
    helpFrame->Bind(wxEVT_CHAR_HOOK, [](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_ESCAPE)
            CloseHelp();
        else
            e.Skip();
    });
    helpFrame->Bind(wxEVT_DESTROY, [](wxWindowDestroyEvent& e) {
        if (e.GetEventObject() == helpFrame)
            helpFrame = nullptr;
        e.Skip();
    });
    RealizeAtOwnSize(helpFrame);
    helpFrame->Show();
}

void CloseHelp() {
    if (helpFrame == nullptr)
        return;
    wxFrame* frame = helpFrame;
    helpFrame = nullptr;
    frame->Destroy();
}
