// The root window's painting: paint requests, the paint handler, the background, the dice strip,
// the corner box, and the pictures they are drawn from.
#pragma once
#include "platform/draw.h"
#include <cstdint>

extern int32_t sheetDirty;
extern int32_t sheetFillPending;
extern int32_t diceStripDirty;
extern int32_t topTenDirty;
extern int32_t cornerBoxDirty;
extern int32_t paintBatch;

// Face k (0..11) is resource 102 + k: 0..5 free dice, 6..11 held dice. Null when missing.
extern Picture* facePictures[12];
extern Picture* logoPicture;
extern Picture* backgroundPicture;

constexpr int32_t BACKGROUND_WIDTH = 300;
constexpr int32_t BACKGROUND_HEIGHT = 450;
constexpr int32_t LOGO_WIDTH = 120;
constexpr int32_t LOGO_HEIGHT = 88;

// The area a request invalidates; empty for PAINT_ALL and unknown requests.
Rect PaintRequestArea(int32_t request);
// Installed as the core's RequestPaint: invalidate, set the flag, paint at once unless batched.
void RootPaintRequest(int32_t request);
void PaintRootWindow();
void RestoreBackground(const Rect& r);
// The side of one square of the dice strip.
int32_t DiceStripSide();
void DrawDiceStrip(bool showDice);
void DrawCornerBox(bool showLogo);
