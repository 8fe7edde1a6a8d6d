#include "platform/wx/backed.h"
#include <algorithm>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>

BackedWindow::BackedWindow(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style)
    : wxWindow(parent, wxID_ANY, pos, size, style | wxBORDER_NONE) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    ResizeBacking();
    Bind(wxEVT_PAINT, &BackedWindow::OnPaint, this);
}

void BackedWindow::ResizeBacking() {
    if (dc != nullptr)
        return; // never pull the bitmap from under a surface; the next resize catches up
    const wxSize size = GetClientSize();
    backing_ = wxBitmap(std::max(1, size.x), std::max(1, size.y), 24);
    wxMemoryDC fill(backing_);
    fill.SetBackground(*wxWHITE_BRUSH);
    fill.Clear();
}

void BackedWindow::Push(const wxRect& r) {
    if (!IsShownOnScreen())
        return; // the first expose copies the bitmap anyway
    pushing_ = true;
    Refresh(false, &r);
    Update();
    pushing_ = false;
}

void BackedWindow::OnPaint(wxPaintEvent&) {
    wxPaintDC paint(this);
    if (dc != nullptr) {
        // A surface holds the bitmap: its release shows this area too.
        pending.Union(GetUpdateRegion().GetBox());
        return;
    }
    paint.DrawBitmap(backing_, 0, 0);
    if (!pushing_)
        Exposed(GetUpdateRegion());
}
