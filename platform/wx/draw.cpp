// Drawing surfaces over the windows' backing bitmaps, with the Windows drawing rules the sheet
// was laid out for: outlines centred on the edges, lines without their end point, opaque text.
#include "platform/draw.h"
#include "platform/bmp.h"
#include "platform/strokes.h"
#include "platform/wx/draw.h"
#include "platform/wx/frames.h"
#include "platform/wx/text.h"
#include "res/resources.h"
#include <algorithm>
#include <vector>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/settings.h>

struct Surface : PaintState {
    BackedWindow* target;
    wxRect touched;
};

// The screen's copy of the pixels is made when it is first drawn: the background is only ever
// stretched, and the start-up need not wait for copies nobody draws. The last stretch is kept,
// for the whole-window repaints that ask for the same one again.
struct Picture {
    wxImage image;
    mutable wxBitmap bitmap;
    mutable wxBitmap stretched;
    mutable wxRect stretchedFrom;
    mutable wxSize stretchedTo;
};

namespace {

wxColour ToWx(Colour c) {
    return wxColour((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

// Fills pixels [l, r) x [t, b) exactly, clipped to the bitmap, and records them as touched.
void fillPixels(Surface* s, const Rect& r, const wxColour& c) {
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    const wxSize size = s->target->Backing().GetSize();
    const wxRect area =
        wxRect(r.left, r.top, r.right - r.left, r.bottom - r.top).Intersect(wxRect(size));
    if (area.IsEmpty())
        return;
    s->target->dc->SetPen(*wxTRANSPARENT_PEN);
    s->target->dc->SetBrush(wxBrush(c));
    s->target->dc->DrawRectangle(area);
    s->touched.Union(area);
}

bool Drawable(const Surface* s) {
    return s != nullptr && s->target != nullptr && s->target->dc;
}

Surface* Acquire(BackedWindow* target) {
    Surface* s = new Surface{{}, target, wxRect()};
    if (target == nullptr || !target->Backing().IsOk())
        return s; // drawing goes nowhere; the ui still gets a valid handle
    if (target->surfaceUsers++ == 0) {
        target->dc = new wxMemoryDC(target->Backing());
        target->dc->SetFont(DefaultGuiFont());
        target->pending = wxRect();
    }
    return s;
}

} // namespace

const wxFont& DefaultGuiFont() {
    static wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    return font;
}

Surface* AcquireRootSurface() {
    return Acquire(WindowCanvas(WINDOW_ROOT));
}
Surface* AcquireDiceWindowSurface() {
    return Acquire(WindowCanvas(WINDOW_DICE));
}
Surface* AcquireDieSurface(int32_t die) {
    if (die < 0 || die > 4 || windows.rootGone)
        return Acquire(nullptr);
    return Acquire(windows.dieButtons[die]);
}

void ReleaseSurface(Surface* s) {
    if (s == nullptr)
        return;
    BackedWindow* target = s->target;
    if (target != nullptr && target->dc != nullptr) {
        target->pending.Union(s->touched);
        if (--target->surfaceUsers == 0) {
            // The bitmap must be free of the memory context before the screen copies it.
            delete target->dc;
            target->dc = nullptr;
            if (!target->pending.IsEmpty())
                target->Push(target->pending);
        }
    }
    delete s;
}

PaintState* PaintStateOf(Surface* s) {
    return Drawable(s) ? s : nullptr;
}

void FillPixels(Surface* s, const Rect& r, Colour c) {
    fillPixels(s, r, ToWx(c));
}

void DrawSlantedLine(Surface* s, int32_t x0, int32_t y0, int32_t x1, int32_t y1, const Pen& pen) {
    wxMemoryDC* dc = s->target->dc;
    dc->SetPen(wxPen(ToWx(pen.colour), pen.width));
    dc->DrawLine(x0, y0, x1, y1); // the toolkit leaves out the last point as well
    const int32_t w = pen.width;
    s->touched.Union(wxRect(wxPoint(std::min(x0, x1) - w, std::min(y0, y1) - w),
                            wxPoint(std::max(x0, x1) + w, std::max(y0, y1) + w)));
}

void DrawText(Surface* s, int32_t x, int32_t y, const char* text, int32_t length) {
    if (!Drawable(s) || text == nullptr || length <= 0)
        return;
    const wxString str = FromWindows1252(text, length);
    wxMemoryDC* dc = s->target->dc;
    const wxSize extent = dc->GetTextExtent(str);
    // Painting the cell first keeps the text opaque whatever the back end does with modes.
    fillPixels(s, Rect{x, y, x + extent.x, y + extent.y}, *wxWHITE);
    dc->SetTextForeground(ToWx(s->textColour));
    dc->SetTextBackground(*wxWHITE);
    dc->SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    dc->DrawText(str, x, y);
    s->touched.Union(wxRect(wxPoint(x, y), extent));
}

void CopyPicture(Surface* s, const Picture* p, int32_t x, int32_t y, int32_t width, int32_t height,
                 int32_t srcX, int32_t srcY) {
    if (!Drawable(s) || p == nullptr || width <= 0 || height <= 0)
        return;
    wxRect src = wxRect(srcX, srcY, width, height).Intersect(wxRect(p->image.GetSize()));
    if (src.IsEmpty())
        return;
    if (!p->bitmap.IsOk())
        p->bitmap = wxBitmap(p->image);
    wxMemoryDC from;
    from.SelectObjectAsSource(p->bitmap);
    s->target->dc->Blit(x + src.x - srcX, y + src.y - srcY, src.width, src.height, &from, src.x,
                        src.y);
    s->touched.Union(wxRect(x + src.x - srcX, y + src.y - srcY, src.width, src.height));
}

void StretchPicture(Surface* s, const Picture* p, int32_t x, int32_t y, int32_t width,
                    int32_t height, int32_t srcX, int32_t srcY, int32_t srcWidth,
                    int32_t srcHeight) {
    if (!Drawable(s) || p == nullptr || width <= 0 || height <= 0 || srcWidth <= 0 ||
        srcHeight <= 0)
        return;
    if (width == srcWidth && height == srcHeight) {
        CopyPicture(s, p, x, y, width, height, srcX, srcY);
        return;
    }
    const wxRect from(srcX, srcY, srcWidth, srcHeight);
    if (!p->stretched.IsOk() || p->stretchedFrom != from ||
        p->stretchedTo != wxSize(width, height)) {
        // Nearest-pixel sampling, as the classic stretch copy does; a source outside the picture
        // reads its nearest edge.
        const int32_t pw = p->image.GetWidth(), ph = p->image.GetHeight();
        const unsigned char* src = p->image.GetData();
        std::vector<int32_t> column(static_cast<size_t>(width));
        for (int32_t i = 0; i < width; i++) {
            const int64_t sx = srcX + static_cast<int64_t>(i) * srcWidth / width;
            column[i] = static_cast<int32_t>(std::clamp<int64_t>(sx, 0, pw - 1)) * 3;
        }
        wxImage out(width, height, false);
        unsigned char* dst = out.GetData();
        for (int32_t j = 0; j < height; j++) {
            const int64_t sy = srcY + static_cast<int64_t>(j) * srcHeight / height;
            const unsigned char* row =
                src + static_cast<size_t>(std::clamp<int64_t>(sy, 0, ph - 1)) * pw * 3;
            for (int32_t i = 0; i < width; i++, dst += 3)
                std::copy_n(row + column[i], 3, dst);
        }
        p->stretched = wxBitmap(out);
        p->stretchedFrom = from;
        p->stretchedTo = wxSize(width, height);
    }
    s->target->dc->DrawBitmap(p->stretched, x, y);
    s->touched.Union(wxRect(x, y, width, height));
}

Picture* LoadPicture(int32_t resourceId) {
    ResourceData data;
    DecodedBmp bmp;
    if (!FindResourceData(resourceId, &data) || !DecodeBmp(data.data, data.size, 3, &bmp))
        return nullptr;
    wxImage image(bmp.width, bmp.height, false);
    std::copy(bmp.pixels.begin(), bmp.pixels.end(), image.GetData());
    return new Picture{image, wxBitmap(), wxBitmap(), wxRect(), wxSize()};
}

void FreePicture(Picture* p) {
    delete p;
}

void DefaultFontMetrics(int32_t* textHeight, int32_t* avgCharWidth) {
    wxScreenDC dc;
    dc.SetFont(DefaultGuiFont());
    if (textHeight != nullptr)
        *textHeight = dc.GetCharHeight();
    if (avgCharWidth != nullptr)
        *avgCharWidth = dc.GetCharWidth();
}

int32_t MeasureTextWidth(const char* text, int32_t length) {
    if (text == nullptr || length <= 0)
        return 0;
    wxScreenDC dc;
    dc.SetFont(DefaultGuiFont());
    return dc.GetTextExtent(FromWindows1252(text, length)).x;
}
