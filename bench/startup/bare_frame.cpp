// The yardstick for start-up figures: the smallest wxWidgets program that shows a frame of the
// game's size with a menu bar and paints a backing bitmap, built with the same toolkit.
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/wx.h>

namespace {

class BareFrame : public wxFrame {
  public:
    BareFrame() : wxFrame(nullptr, wxID_ANY, "bare frame", wxDefaultPosition, wxSize(440, 520)) {
        wxMenuBar* bar = new wxMenuBar;
        wxMenu* file = new wxMenu;
        file->Append(wxID_EXIT, "&Avsluta");
        bar->Append(file, "&Fil");
        SetMenuBar(bar);
        canvas_ = new wxWindow(this, wxID_ANY);
        canvas_->SetBackgroundStyle(wxBG_STYLE_PAINT);
        canvas_->Bind(wxEVT_PAINT, &BareFrame::OnPaint, this);
        Bind(
            wxEVT_MENU, [this](wxCommandEvent&) { Close(true); }, wxID_EXIT);
    }

  private:
    // The same felt green the game's first frame shows, so one probe serves both.
    void OnPaint(wxPaintEvent&) {
        wxPaintDC dc(canvas_);
        const wxSize size = canvas_->GetClientSize();
        if (backing_.GetSize() != size) {
            backing_ = wxBitmap(std::max(1, size.x), std::max(1, size.y), 24);
            wxMemoryDC fill(backing_);
            fill.SetBackground(wxBrush(wxColour(20, 100, 70)));
            fill.Clear();
        }
        dc.DrawBitmap(backing_, 0, 0);
    }
    wxWindow* canvas_;
    wxBitmap backing_;
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
