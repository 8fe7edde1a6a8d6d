// The wx entry's counterpart to PlatformStart: the game's main calls it after DyxelMain.
#pragma once

// Closes the audio device and shuts the toolkit down.
void PlatformStop();
