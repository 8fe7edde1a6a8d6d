// The game's windows, as the pieces of the wxWidgets platform layer share them, and the backing
// bitmap that each of them shows: all drawing goes into the bitmap through surfaces and is then
// pushed to the screen at once; the invalid region stands in for the window system's.
#pragma once
#include "platform/window.h"
#include <wx/bitmap.h>
#include <wx/region.h>
#include <wx/window.h>

class wxFrame;
class wxTopLevelWindow;
class wxDialog;
class wxMemoryDC;

class BackedWindow : public wxWindow {
  public:
    BackedWindow(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style = 0);

    wxBitmap& Backing() { return backing_; }
    // Reallocates the bitmap at the client size (white), keeping nothing.
    void ResizeBacking();
    // Pushes a rectangle of the bitmap to the screen now.
    void Push(const wxRect& r);

    wxRegion invalid;
    int surfaceUsers = 0;     // surfaces drawing into the bitmap right now
    wxMemoryDC* dc = nullptr; // shared by those surfaces
    wxRect pending;           // what they touched, pushed when the last one is released

  protected:
    // The window system asks for an area (uncovered, shown): the bitmap serves it at once, and
    // a window whose picture is drawn from the game may draw it anew.
    virtual void Exposed(const wxRegion&) {}

  private:
    void OnPaint(wxPaintEvent& event);
    wxBitmap backing_;
    bool pushing_ = false;
    bool exposed_ = false; // the window system has asked for the window once
};

// Null until created, and again once the root window is gone.
struct PlatformWindows {
    wxFrame* rootFrame = nullptr;
    BackedWindow* rootCanvas = nullptr;
    wxFrame* diceFrame = nullptr;
    // Asked for at start-up, made when first needed (titled, shown, activated): nobody sees it
    // before a human's turn, and the first frame need not wait for it.
    wxString diceTitle;
    wxPoint diceAt;
    int diceWidth = 0;
    bool diceWanted = false;
    BackedWindow* dicePanel = nullptr;
    BackedWindow* dieButtons[5] = {};
    wxDialog* playerDialog = nullptr;
    bool rootGone = false;
};
extern PlatformWindows windows;

BackedWindow* WindowCanvas(WindowId w);
// Called before a top-level window is first shown. Under a window manager wxGTK realizes the
// window at a placeholder size of 2 x 1 while it asks for the frame's extents, and GTK then lays
// the contents out in that until the window manager answers: a menu bar or a row of buttons
// gets less than its minimum (Gtk-CRITICAL). The window is realized at its own size instead.
void RealizeAtOwnSize(wxTopLevelWindow* window);
// The dice window, made now if it was asked for and is not yet; null without one.
wxFrame* MakeDiceFrame();
