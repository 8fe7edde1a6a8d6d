// What the other pieces of the wxWidgets platform layer take from the drawing.
#pragma once

class wxFont;

// The default GUI font, in which the sheet is measured and every text is drawn.
const wxFont& DefaultGuiFont();

// The game's pictures, decoded on a thread of their own while the toolkit starts up; the game's
// LoadPicture then finds them ready. Stopped (and any left over dropped) at exit.
void StartDecodingPictures();
void StopDecodingPictures();

// The fonts made ready on a thread while GTK loads its theme: started once the toolkit runs,
// taken by the ui thread before its first text (and at the stop, if it never measured one).
void StartWarmingFonts();
void UseWarmFonts();
