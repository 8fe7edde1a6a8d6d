// The yardstick for start-up figures: a wxWidgets frame of the game's size that is shown and
// painted once, felt green so that the same probe sees both, and nothing else.
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/wx.h>

namespace {

class BareFrame : public wxFrame {
  public:
    BareFrame() : wxFrame(nullptr, wxID_ANY, "bare frame", wxDefaultPosition, wxSize(440, 520)) {
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            dc.SetBackground(wxBrush(wxColour(20, 100, 70)));
            dc.Clear();
        });
    }
};

class BareApp : public wxApp {
  public:
    bool OnInit() override {
        (new BareFrame)->Show();
        return true;
    }
};

} // namespace

wxIMPLEMENT_APP(BareApp);
