// What the pieces of the wxWidgets platform layer share among themselves. Not for the game.
#pragma once
#include "platform/draw.h"
#include "platform/window.h"
#include <cstdint>
#include <string>
#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/region.h>
#include <wx/string.h>
#include <wx/window.h>

class wxFrame;
class wxDialog;

// Text crossing into the toolkit: Windows-1252 bytes <-> Unicode.
wxString FromWindows1252(const char* text, int32_t length = -1);
std::string ToWindows1252(const wxString& text);

// A window that shows a backing bitmap: exposes only copy it to the screen; all drawing goes
// into the bitmap through surfaces. The invalid region stands in for the window system's.
class BackedWindow : public wxWindow {
  public:
    BackedWindow(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style = 0);

    wxBitmap& Backing() { return backing_; }
    // Reallocates the bitmap at the client size (white), keeping nothing.
    void ResizeBacking();
    // Pushes a rectangle of the bitmap to the screen now.
    void Push(const wxRect& r);

    wxRegion invalid;
    int surfaceUsers = 0;           // surfaces drawing into the bitmap right now
    class wxMemoryDC* dc = nullptr; // shared by those surfaces
    wxRect pending;                 // what they touched, pushed when the last one is released

  private:
    void OnPaint(wxPaintEvent& event);
    wxBitmap backing_;
};

// The windows, null until created and again once the root window is gone.
struct PlatformWindows {
    wxFrame* rootFrame = nullptr;
    BackedWindow* rootCanvas = nullptr;
    wxFrame* diceFrame = nullptr;
    BackedWindow* dicePanel = nullptr;
    BackedWindow* dieButtons[5] = {};
    wxDialog* playerDialog = nullptr;
    bool rootGone = false;
};
extern PlatformWindows windows;

BackedWindow* WindowCanvas(WindowId w);
// A picture made from an image already in memory (the resources' pictures come through here).
Picture* PictureFromImage(const class wxImage& image);
const wxFont& DefaultGuiFont();

// The root window is going away: tells the ui, then destroys the frame and ends the loop.
void DestroyRootWindow();
// Halts playback and closes the audio device if it was opened.
void StopSound();
// True while a pause is yielding; a close request then only sets QuitRequested().
bool InPause();
void RequestQuitDuringPause();
