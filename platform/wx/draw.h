// What the other pieces of the wxWidgets platform layer take from the drawing.
#pragma once

class wxFont;

// The default GUI font, in which the sheet is measured and every text is drawn.
const wxFont& DefaultGuiFont();
