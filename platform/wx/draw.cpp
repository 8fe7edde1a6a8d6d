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
#include <cairo.h>
#include <cstring>
#include <future>
#include <gtk/gtk.h>
#include <map>
#include <memory>
#include <vector>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/settings.h>

struct Surface : PaintState {
    BackedWindow* target;
    wxRect touched;
};

// The screen's copy of the pixels is made when it is first drawn: the background is only ever
// stretched, and the start-up need not wait for copies nobody draws.
struct Picture {
    wxImage image;
    mutable wxBitmap bitmap;
};

namespace {

// Writes the part `part` (in the stretch's own pixels) of the stretch of `from` to `to` into
// 32-bit rows, the stretch's origin at `origin`. A row asked for again is copied, not looked up.
void StretchRows(const wxImage& image, const wxRect& from, const wxSize& to, const wxRect& part,
                 unsigned char* data, int stride, const wxPoint& origin) {
    const int32_t pw = image.GetWidth(), ph = image.GetHeight();
    const unsigned char* src = image.GetData();
    std::vector<int32_t> column(static_cast<size_t>(part.width));
    for (int32_t i = 0; i < part.width; i++)
        column[i] = StretchSource(part.x + i, from.x, from.width, to.x, pw) * 3;
    const size_t rowBytes = static_cast<size_t>(part.width) * 4;
    int32_t lastSource = -1;
    uint32_t* last = nullptr;
    for (int32_t j = part.y; j < part.GetBottom() + 1; j++) {
        auto* dst =
            reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(origin.y + j) * stride) +
            origin.x + part.x;
        const int32_t source = StretchSource(j, from.y, from.height, to.y, ph);
        if (source == lastSource) {
            std::memcpy(dst, last, rowBytes);
        } else {
            const unsigned char* row = src + static_cast<size_t>(source) * pw * 3;
            for (int32_t i = 0; i < part.width; i++) {
                const unsigned char* px = row + column[i];
                dst[i] = 0xFF000000u | uint32_t{px[0]} << 16 | uint32_t{px[1]} << 8 | px[2];
            }
        }
        lastSource = source;
        last = dst;
    }
}

// A stretch into a surface of its own, for a bitmap that cannot be written directly.
using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
SurfacePtr Stretched(const wxImage& image, const wxRect& from, const wxSize& to) {
    SurfacePtr out(cairo_image_surface_create(CAIRO_FORMAT_RGB24, to.x, to.y),
                   cairo_surface_destroy);
    if (cairo_surface_status(out.get()) != CAIRO_STATUS_SUCCESS)
        return out;
    StretchRows(image, from, to, wxRect(to), cairo_image_surface_get_data(out.get()),
                cairo_image_surface_get_stride(out.get()), wxPoint(0, 0));
    cairo_surface_mark_dirty(out.get());
    return out;
}

// A stretch is written straight into the bitmap: a window-sized copy in between would cost a
// first touch of fresh memory before the first frame, and repaints are no faster from one.
// False where the bitmap is not plain 32-bit pixels under an untransformed, unclipped context.
bool StretchInto(cairo_t* cr, const wxImage& image, const wxRect& from, const wxRect& to) {
    cairo_surface_t* target = cairo_get_target(cr);
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE)
        return false;
    const cairo_format_t format = cairo_image_surface_get_format(target);
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    double ox = 0, oy = 0;
    cairo_surface_get_device_offset(target, &ox, &oy);
    if ((format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) || m.xx != 1 || m.yy != 1 ||
        m.xy != 0 || m.yx != 0 || m.x0 != 0 || m.y0 != 0 || ox != 0 || oy != 0)
        return false;
    const wxRect bounds(0, 0, cairo_image_surface_get_width(target),
                        cairo_image_surface_get_height(target));
    const wxRect area = wxRect(to).Intersect(bounds);
    if (area.IsEmpty())
        return true;
    double clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
    cairo_clip_extents(cr, &clipLeft, &clipTop, &clipRight, &clipBottom);
    if (clipLeft > area.x || clipTop > area.y || clipRight < area.x + area.width ||
        clipBottom < area.y + area.height)
        return false;
    cairo_surface_flush(target);
    StretchRows(image, from, to.GetSize(),
                wxRect(area.x - to.x, area.y - to.y, area.width, area.height),
                cairo_image_surface_get_data(target), cairo_image_surface_get_stride(target),
                to.GetPosition());
    cairo_surface_mark_dirty_rectangle(target, area.x, area.y, area.width, area.height);
    return true;
}

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
    wxGraphicsContext* gc = s->target->dc->GetGraphicsContext();
    if (gc == nullptr)
        return;
    auto* cr = static_cast<cairo_t*>(gc->GetNativeContext());
    const wxRect from(srcX, srcY, srcWidth, srcHeight);
    s->touched.Union(wxRect(x, y, width, height));
    if (StretchInto(cr, p->image, from, wxRect(x, y, width, height)))
        return;
    const SurfacePtr stretched = Stretched(p->image, from, wxSize(width, height));
    cairo_save(cr);
    cairo_set_source_surface(cr, stretched.get(), x, y);
    cairo_rectangle(cr, x, y, width, height);
    cairo_fill(cr);
    cairo_restore(cr);
}

namespace {

wxImage Decoded(int32_t resourceId) {
    ResourceData data;
    DecodedBmp bmp;
    if (!FindResourceData(resourceId, &data) || !DecodeBmp(data.data, data.size, 3, &bmp))
        return wxImage();
    wxImage image(bmp.width, bmp.height, false);
    std::copy(bmp.pixels.begin(), bmp.pixels.end(), image.GetData());
    return image;
}

std::future<std::map<int32_t, wxImage>> decoding;
std::map<int32_t, wxImage> decoded;

} // namespace

void StartDecodingPictures() {
    if (decoding.valid() || !decoded.empty())
        return;
    decoding = std::async(std::launch::async, [] {
        std::map<int32_t, wxImage> images;
        for (int32_t id = IDB_DIE_FIRST; id <= IDB_LOGO; id++)
            if (wxImage image = Decoded(id); image.IsOk())
                images[id] = image;
        return images;
    });
}

void StopDecodingPictures() {
    if (decoding.valid())
        decoding.get();
    decoded.clear();
}

Picture* LoadPicture(int32_t resourceId) {
    if (decoding.valid())
        decoded = decoding.get();
    auto found = decoded.find(resourceId);
    wxImage image = found != decoded.end() ? found->second : Decoded(resourceId);
    if (found != decoded.end())
        decoded.erase(found);
    return image.IsOk() ? new Picture{image, wxBitmap()} : nullptr;
}

void FreePicture(Picture* p) {
    delete p;
}

void DefaultFontMetrics(int32_t* textHeight, int32_t* avgCharWidth) {
    // GTK's theme loads with its settings, and the system font comes from the theme: that
    // comes first, so that the font thread finishes meanwhile, then the first text.
    gtk_settings_get_default();
    UseWarmFonts();
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
