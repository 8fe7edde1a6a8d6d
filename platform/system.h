// Pause, sound playback and help.
#pragma once
#include <cstdint>

// Sleeps while the windows keep painting; player input waits until the pause is over.
void PauseKeepingPainted(int32_t milliseconds);
// True once the root window has been asked to close during a pause.
bool QuitRequested();

// Stops the sound that is playing and starts the wave resource; false when it could not start.
bool PlatformPlaySound(int32_t resourceId);

void OpenHelp();
void CloseHelp();
