// The window operations the ui makes on the root and dice windows: invalid areas, the paint
// handler run on demand, sizes, showing, titles.
#include "platform/wx/frames.h"
#include "platform/wx/text.h"
#include <algorithm>
#include <gtk/gtk.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/toplevel.h>

PlatformEvents platformEvents;
PlatformWindows windows;

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
    // Until the window system first asks for the window, its expose copies the bitmap anyway:
    // pushing before it would send the whole picture to the server twice.
    if (!exposed_ || !IsShownOnScreen())
        return;
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
    exposed_ = true;
    if (!pushing_)
        Exposed(GetUpdateRegion());
}

namespace {

wxFrame* Frame(WindowId w) {
    if (windows.rootGone)
        return nullptr;
    return w == WINDOW_ROOT ? windows.rootFrame : w == WINDOW_DICE ? MakeDiceFrame() : nullptr;
}

// Showing a window again exposes all of it, as the window system would.
void InvalidateAll(BackedWindow* canvas) {
    canvas->invalid = wxRegion(wxRect(canvas->GetClientSize()));
}

} // namespace

BackedWindow* WindowCanvas(WindowId w) {
    if (windows.rootGone)
        return nullptr;
    return w == WINDOW_ROOT ? windows.rootCanvas : w == WINDOW_DICE ? windows.dicePanel : nullptr;
}

void RealizeAtOwnSize(wxTopLevelWindow* window) {
    GtkWidget* widget = window->GetHandle();
    if (widget == nullptr || gtk_widget_get_realized(widget))
        return;
    int width = 0, height = 0;
    window->GTKDoGetSize(&width, &height); // the outer size less the frame, as wxGTK asks for
    GtkAllocation own = {0, 0, std::max(1, width), std::max(1, height)};
    gtk_widget_set_allocation(widget, &own);
}

void InvalidateArea(WindowId w, const Rect& r) {
    BackedWindow* canvas = WindowCanvas(w);
    if (canvas == nullptr || r.right <= r.left || r.bottom <= r.top)
        return;
    const wxRect area = wxRect(r.left, r.top, r.right - r.left, r.bottom - r.top)
                            .Intersect(wxRect(canvas->GetClientSize()));
    if (!area.IsEmpty())
        canvas->invalid.Union(area);
}

void UpdateWindowNow(WindowId w) {
    BackedWindow* canvas = WindowCanvas(w);
    if (canvas == nullptr || canvas->invalid.IsEmpty())
        return;
    void (*handler)() = w == WINDOW_ROOT ? platformEvents.rootPaint : platformEvents.dicePaint;
    if (handler != nullptr)
        handler();
    else
        canvas->invalid.Clear();
}

bool GetUpdateBounds(WindowId w, Rect* bounds) {
    BackedWindow* canvas = WindowCanvas(w);
    if (canvas == nullptr || canvas->invalid.IsEmpty()) {
        if (bounds != nullptr)
            *bounds = Rect{0, 0, 0, 0};
        return false;
    }
    const wxRect box = canvas->invalid.GetBox();
    if (bounds != nullptr)
        *bounds = Rect{box.x, box.y, box.x + box.width, box.y + box.height};
    return true;
}

void ValidateWindow(WindowId w) {
    if (BackedWindow* canvas = WindowCanvas(w))
        canvas->invalid.Clear();
}

void GetClientSize(WindowId w, int32_t* width, int32_t* height) {
    wxSize size(0, 0);
    if (BackedWindow* canvas = WindowCanvas(w))
        size = canvas->GetClientSize();
    if (width != nullptr)
        *width = size.x;
    if (height != nullptr)
        *height = size.y;
}

void ShowWindowNow(WindowId w) {
    wxFrame* frame = Frame(w);
    if (frame == nullptr || frame->IsShown())
        return;
    RealizeAtOwnSize(frame);
    frame->Show();
    BackedWindow* canvas = WindowCanvas(w);
    if (canvas->Backing().GetSize() != canvas->GetClientSize())
        canvas->ResizeBacking();
    InvalidateAll(canvas);
    if (w == WINDOW_ROOT) {
        UpdateWindowNow(WINDOW_ROOT);
        return;
    }
    // The die buttons draw their faces when they first appear.
    for (int32_t i = 0; i < 5 && !windows.rootGone; i++) {
        if (platformEvents.dieRedraw != nullptr)
            platformEvents.dieRedraw(i);
    }
}

void HideWindow(WindowId w) {
    if (w == WINDOW_DICE && windows.diceFrame == nullptr)
        return; // never made, so never shown
    if (wxFrame* frame = Frame(w))
        frame->Hide();
}

void SetWindowTitle(WindowId w, const char* text) {
    if (wxFrame* frame = Frame(w))
        frame->SetTitle(FromWindows1252(text));
}

void ActivateWindow(WindowId w) {
    wxFrame* frame = Frame(w);
    if (frame == nullptr || !frame->IsShown() || frame->IsActive())
        return;
    frame->Raise();
    // The window itself takes the keys, not a control in it: no stray key presses a button.
    WindowCanvas(w)->SetFocus();
}

bool GetWindowRectInRoot(WindowId w, Rect* r) {
    wxFrame* frame = Frame(w);
    if (frame == nullptr || windows.rootCanvas == nullptr || r == nullptr)
        return false;
    const wxRect screen = frame->GetScreenRect();
    const wxPoint topLeft = windows.rootCanvas->ScreenToClient(screen.GetTopLeft());
    *r = Rect{topLeft.x, topLeft.y, topLeft.x + screen.width, topLeft.y + screen.height};
    return true;
}
