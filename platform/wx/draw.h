// What the other pieces of the wxWidgets platform layer take from the drawing.
#pragma once

class wxFont;
class wxImage;
struct Picture;

// The default GUI font, in which the sheet is measured and every text is drawn.
const wxFont& DefaultGuiFont();
// A picture made from an image already in memory.
Picture* PictureFromImage(const wxImage& image);
