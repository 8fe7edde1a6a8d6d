// Sound playback's life: started once the first frame is on the screen, stopped at exit.
#pragma once

// Opens the audio device and decodes the sounds, on a thread of their own, a moment from now.
void StartAudio();
// Halts playback and closes the audio device if it was opened.
void StopSound();
