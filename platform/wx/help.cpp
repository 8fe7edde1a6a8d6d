// The game's help: the embedded Swedish page in an HTML window of its own.
#include "platform/system.h"
#include "platform/wx/frames.h"
#include "platform/wx/text.h"
#include "res/resources.h"
#include <algorithm>
#include <cstdlib>
#include <vector>
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

const wxSize HELP_SIZE(520, 560);
const wxSize HELP_LEAST(360, 320); // smaller than this it covers rather than shrinks

wxRect WorkArea() {
    const int d = wxDisplay::GetFromWindow(windows.rootFrame);
    return wxDisplay(d == wxNOT_FOUND ? 0u : static_cast<unsigned>(d)).GetClientArea();
}

// Right of the root window where there is room, else left of it, always wholly on the screen.
wxPoint BesideRoot(const wxRect& root, const wxRect& area, const wxSize& size) {
    int x = root.GetRight() + 1;
    if (x + size.x > area.GetRight() + 1)
        x = root.x - size.x;
    x = std::clamp(x, area.x, std::max(area.x, area.GetRight() + 1 - size.x));
    const int y = std::clamp(root.y, area.y, std::max(area.y, area.GetBottom() + 1 - size.y));
    return wxPoint(x, y);
}

// The nearest value to want in [low, high].
int Nearest(int want, int low, int high) {
    return std::clamp(want, low, std::max(low, high));
}

// Where the help covers none of the given windows (the root window, with the sheet and the
// current player's column, and the dice window, where it stands or will stand again): of the
// free rectangles that the windows' edges cut the work area into, the one that holds the most
// of the help, shrunk no further than HELP_LEAST, nearest the root window. Empty when the screen
// has no such room.
wxRect ClearOf(const std::vector<wxRect>& keep, const wxRect& root, const wxRect& area) {
    std::vector<int> xs{area.x, area.GetRight() + 1}, ys{area.y, area.GetBottom() + 1};
    for (const wxRect& w : keep) {
        xs.insert(xs.end(), {w.x, w.GetRight() + 1});
        ys.insert(ys.end(), {w.y, w.GetBottom() + 1});
    }
    wxRect best;
    long bestArea = 0, bestDistance = 0;
    for (int x0 : xs)
        for (int x1 : xs)
            for (int y0 : ys)
                for (int y1 : ys) {
                    const wxRect free(x0, y0, x1 - x0, y1 - y0);
                    if (free.width < HELP_LEAST.x || free.height < HELP_LEAST.y ||
                        !area.Contains(free) ||
                        std::any_of(keep.begin(), keep.end(),
                                    [&](const wxRect& w) { return w.Intersects(free); }))
                        continue;
                    const wxSize size(std::min(free.width, HELP_SIZE.x),
                                      std::min(free.height, HELP_SIZE.y));
                    // Beside the root window's nearer edge, level with its top where it can.
                    const int x =
                        root.x >= free.x + free.width ? free.GetRight() + 1 - size.x : free.x;
                    const int y = Nearest(root.y, free.y, free.GetBottom() + 1 - size.y);
                    const wxRect place(wxPoint(x, y), size);
                    const long covered = static_cast<long>(size.x) * size.y;
                    const long distance =
                        std::abs(place.x - Nearest(place.x, root.x, root.GetRight() + 1)) +
                        std::abs(place.y - root.y);
                    if (covered > bestArea || (covered == bestArea && distance < bestDistance)) {
                        best = place;
                        bestArea = covered;
                        bestDistance = distance;
                    }
                }
    return best;
}

wxRect HelpPlace() {
    const wxRect root = windows.rootFrame->GetScreenRect();
    const wxRect area = WorkArea();
    std::vector<wxRect> keepClear{root};
    if (wxFrame* dice = MakeDiceFrame()) // made hidden if no turn has shown it yet
        keepClear.push_back(dice->GetScreenRect());
    const wxRect clear = ClearOf(keepClear, root, area);
    return clear.IsEmpty() ? wxRect(BesideRoot(root, area, HELP_SIZE), HELP_SIZE) : clear;
}

} // namespace

void OpenHelp() {
    if (windows.rootGone || windows.rootFrame == nullptr)
        return;
    if (helpFrame != nullptr) {
        helpFrame->Raise();
        return;
    }
    const wxRect place = HelpPlace();
    helpFrame =
        new wxFrame(windows.rootFrame, wxID_ANY, FromWindows1252("Tolvik dyxel \x96 hj\xe4lp"),
                    place.GetPosition(), place.GetSize());
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
