// Start-up and shutdown of the windowed game, in the pieces DyxelMain runs in order.
#pragma once
#include <cstdint>

// 1 while robots finish a game whose window was closed: no pause, no painting, no sound.
extern int32_t finishingUnseen;

// Fills platformEvents and the core's frontEnd hooks with the ui's handlers, and the services
// with the sound cues and the top-ten list; the robots are the app's to install.
void InstallFrontEnd();
// Measures the default GUI font into sheetMetrics.
void MeasureSheetMetrics();
// The face, logo and background pictures; a box for each one that is missing.
void LoadPictures();
// Frees the twelve faces, then the logo, then the background.
void ReleaseSurfaces();
// The two windows, the pictures and the pens; the root window shown and painted.
bool CreateGameWindows();
