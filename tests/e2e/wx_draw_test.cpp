// The drawing primitives against the pixels they leave in the root window's backing bitmap.
#include "res/resources.h"
#include "tests/e2e/wx_support.h"
#include <gtest/gtest.h>
#include <wx/dcmemory.h>

namespace {

constexpr uint32_t BLACK = 0x000000, WHITE = 0xFFFFFF;

// Every test draws on black, so that what a primitive leaves white is visible too.
class DrawTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Surface* s = AcquireRootSurface();
        FillRectangle(s, Rect{0, 0, 400, 400}, BRUSH_BLACK);
        ReleaseSurface(s);
    }
    static wxImage Pixels() { return CanvasImage(WINDOW_ROOT); }
};

TEST_F(DrawTest, OnePixelRectangleHasItsOutlineOnTheOutermostPixelsAndTheBrushInside) {
    Surface* s = AcquireRootSurface();
    SelectPen(s, Pen{1, RgbColour(10, 10, 10)});
    SelectBrush(s, BRUSH_WHITE);
    DrawRectangle(s, 10, 20, 30, 40);
    ReleaseSurface(s);
    const wxImage img = Pixels();
    ExpectPixels(img, {At(10, 20, 0x0A0A0Au), At(29, 39, 0x0A0A0Au), At(29, 25, 0x0A0A0Au),
                       At(30, 25, BLACK), At(20, 40, BLACK), At(9, 25, BLACK), At(11, 21, WHITE),
                       At(28, 38, WHITE)});
}

// Wide pens spread around the edges; the hollow brush leaves the inside.
TEST_F(DrawTest, WidePensAndTheHollowBrush) {
    Surface* s = AcquireRootSurface();
    SelectPen(s, Pen{2, RgbColour(128, 0, 128)});
    SelectBrush(s, BRUSH_HOLLOW);
    DrawRectangle(s, 90, 23, 121, 38); // an inset cell box of the sheet
    SelectPen(s, Pen{4, RgbColour(180, 40, 180)});
    DrawRectangle(s, 17, 102, 265, 200); // a frame like the sheet's
    ReleaseSurface(s);
    const wxImage img = Pixels();
    ExpectPixels(img,
                 {At(89, 30, 0x800080u), At(90, 30, 0x800080u), At(88, 30, BLACK),
                  At(91, 30, BLACK), At(119, 30, 0x800080u), At(120, 30, 0x800080u),
                  At(121, 30, BLACK), At(100, 22, 0x800080u), At(100, 37, 0x800080u),
                  At(100, 30, BLACK), At(14, 150, BLACK), At(19, 150, BLACK), At(266, 150, BLACK)});
    for (int x : {15, 16, 17, 18, 262, 263, 264, 265})
        EXPECT_EQ(PixelAt(img, x, 150), 0xB428B4u) << x;
}

// Lines leave out their end point in either direction; frames and fills stay inside their
// rectangle.
TEST_F(DrawTest, LinesFramesAndFills) {
    Surface* s = AcquireRootSurface();
    SelectPen(s, Pen{1, RgbColour(255, 255, 255)});
    DrawLine(s, 10, 50, 20, 50);
    DrawLine(s, 40, 50, 30, 50);
    DrawLine(s, 60, 10, 60, 30);
    DrawLine(s, 70, 30, 70, 10);
    FrameRectangle(s, Rect{10, 10, 20, 20}, BRUSH_WHITE);
    FillRectangle(s, Rect{30, 10, 40, 20}, BRUSH_LIGHT_GREY);
    FillRectangle(s, Rect{50, 10, 60, 20}, BRUSH_HOLLOW);
    ReleaseSurface(s);
    const wxImage img = Pixels();
    ExpectPixels(
        img, {At(10, 50, WHITE),     At(19, 50, WHITE),     At(20, 50, BLACK), At(40, 50, WHITE),
              At(31, 50, WHITE),     At(30, 50, BLACK),     At(10, 49, BLACK), At(10, 51, BLACK),
              At(60, 29, WHITE),     At(60, 30, BLACK),     At(70, 30, WHITE), At(70, 10, BLACK),
              At(10, 10, WHITE),     At(19, 19, WHITE),     At(20, 19, BLACK), At(11, 11, BLACK),
              At(30, 10, 0xC0C0C0u), At(39, 19, 0xC0C0C0u), At(40, 19, BLACK), At(55, 15, BLACK)});
}

TEST_F(DrawTest, TextIsOpaqueOnWhiteInItsColourAndOneLineHigh) {
    int32_t textHeight = 0, avgCharWidth = 0;
    DefaultFontMetrics(&textHeight, &avgCharWidth);
    ASSERT_GT(textHeight, 5);
    ASSERT_GT(avgCharWidth, 2);
    const int32_t width = MeasureTextWidth("K\xe5k", 3);
    EXPECT_GT(width, MeasureTextWidth("K", 1));
    EXPECT_GT(MeasureTextWidth("\xe5\xe5\xe5", 3), 0); // not dropped as invalid UTF-8

    Surface* s = AcquireRootSurface();
    SetTextColour(s, RgbColour(220, 0, 0));
    DrawText(s, 100, 100, "K\xe5k", 3);
    ReleaseSurface(s);
    const wxImage img = Pixels();
    int red = 0, white = 0;
    for (int y = 100; y < 100 + textHeight; y++) {
        for (int x = 100; x < 100 + width; x++) {
            const uint32_t p = PixelAt(img, x, y);
            red += p == 0xDC0000u;
            white += p == WHITE;
        }
    }
    EXPECT_GT(red, 0);
    EXPECT_GT(white, red);
    ExpectPixels(img, {At(100, 100, WHITE),
                       {100 + width - 1, 100 + textHeight - 1, WHITE},
                       At(100 + width, 100, BLACK),
                       At(100, 100 + textHeight, BLACK)});
}

TEST_F(DrawTest, SurfacesStartWithTheDefaultsWhateverTheLastOneSelected) {
    Surface* s = AcquireRootSurface();
    SelectPen(s, Pen{4, RgbColour(255, 0, 0)});
    SelectBrush(s, BRUSH_HOLLOW);
    ReleaseSurface(s);
    s = AcquireRootSurface();
    DrawRectangle(s, 10, 10, 20, 20);
    ReleaseSurface(s);
    const wxImage img = Pixels();
    ExpectPixels(img, {At(10, 15, BLACK), At(9, 15, BLACK), At(15, 15, WHITE)});
}

wxImage FourColours() {
    wxImage image(2, 2);
    image.SetRGB(0, 0, 255, 0, 0);
    image.SetRGB(1, 0, 0, 255, 0);
    image.SetRGB(0, 1, 0, 0, 255);
    image.SetRGB(1, 1, 255, 255, 0);
    return image;
}

// Stretching samples the nearest source pixel; copies are clipped to the picture.
TEST_F(DrawTest, StretchesAndCopies) {
    Picture* p = PictureFromImage(FourColours());
    ASSERT_NE(p, nullptr);
    Surface* s = AcquireRootSurface();
    StretchPicture(s, p, 10, 10, 8, 6, 0, 0, 2, 2);
    StretchPicture(s, p, 30, 10, 3, 3, 1, 1, 1, 1); // one source pixel blown up
    CopyPicture(s, p, 50, 50, 5, 5, 1, 0);          // only the right column exists in the source
    ReleaseSurface(s);
    FreePicture(p);
    const wxImage img = Pixels();
    ExpectPixels(img, {At(10, 10, 0xFF0000u), At(13, 12, 0xFF0000u), At(14, 12, 0x00FF00u),
                       At(13, 13, 0x0000FFu), At(17, 15, 0xFFFF00u), At(18, 15, BLACK),
                       At(17, 16, BLACK), At(30, 10, 0xFFFF00u), At(32, 12, 0xFFFF00u),
                       At(33, 12, BLACK), At(50, 50, 0x00FF00u), At(50, 51, 0xFFFF00u),
                       At(51, 50, BLACK), At(50, 52, BLACK)});
}

TEST(Pictures, MissingOrUndecodableResourcesGiveNoPicture) {
    EXPECT_EQ(LoadPicture(9999), nullptr);
    ResourceData about;
    if (FindResourceData(IDT_ABOUT, &about)) { // a text, not a picture
        EXPECT_EQ(LoadPicture(IDT_ABOUT), nullptr);
    }
    ResourceData logo;
    if (FindResourceData(IDB_LOGO, &logo)) {
        Picture* p = LoadPicture(IDB_LOGO);
        ASSERT_NE(p, nullptr);
        Surface* s = AcquireRootSurface();
        FillRectangle(s, Rect{0, 0, 200, 200}, BRUSH_BLACK);
        CopyPicture(s, p, 0, 0, 200, 200, 0, 0); // clipped to 120 x 88
        ReleaseSurface(s);
        FreePicture(p);
        const wxImage img = CanvasImage(WINDOW_ROOT);
        ExpectPixels(img, {At(125, 50, BLACK), At(50, 92, BLACK)});
    }
}

TEST(Pictures, DieSurfacesDrawIntoTheirOwnButton) {
    Picture* p = PictureFromImage(FourColours());
    Surface* s = AcquireDieSurface(3);
    StretchPicture(s, p, 0, 0, 64, 64, 0, 0, 2, 2);
    ReleaseSurface(s);
    FreePicture(p);
    const wxImage die = DieImage(3);
    ASSERT_EQ(die.GetWidth(), 64);
    ExpectPixels(die, {At(0, 0, 0xFF0000u), At(63, 63, 0xFFFF00u)});
    EXPECT_NE(PixelAt(DieImage(2), 0, 0), 0xFF0000u);
    // Out of range dice give a surface that draws nowhere.
    Surface* none = AcquireDieSurface(5);
    DrawRectangle(none, 0, 0, 10, 10);
    ReleaseSurface(none);
}

TEST(Surfaces, NestedSurfacesShareTheBitmapAndBothDraw) {
    Surface* outer = AcquireRootSurface();
    Surface* inner = AcquireRootSurface();
    FillRectangle(inner, Rect{0, 0, 5, 5}, BRUSH_LIGHT_GREY);
    ReleaseSurface(inner);
    EXPECT_NE(WindowCanvas(WINDOW_ROOT)->dc, nullptr); // the outer one still draws
    FillRectangle(outer, Rect{5, 0, 10, 5}, BRUSH_BLACK);
    ReleaseSurface(outer);
    EXPECT_EQ(WindowCanvas(WINDOW_ROOT)->dc, nullptr);
    const wxImage img = CanvasImage(WINDOW_ROOT);
    ExpectPixels(img, {At(2, 2, 0xC0C0C0u), At(7, 2, BLACK)});
}

} // namespace
