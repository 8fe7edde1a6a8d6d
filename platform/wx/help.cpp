// The game's help: the embedded Swedish page in an HTML window of its own.
#include "platform/system.h"
#include "platform/wx/wxplatform.h"
#include "res/resources.h"
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
                    wxDefaultPosition, wxSize(520, 560));
    wxHtmlWindow* html = new wxHtmlWindow(helpFrame);
    html->SetPage(HelpPage());
    helpFrame->Bind(wxEVT_DESTROY, [](wxWindowDestroyEvent& e) {
        if (e.GetEventObject() == helpFrame)
            helpFrame = nullptr;
        e.Skip();
    });
    helpFrame->Show();
}

void CloseHelp() {
    if (helpFrame == nullptr)
        return;
    wxFrame* frame = helpFrame;
    helpFrame = nullptr;
    frame->Destroy();
}
