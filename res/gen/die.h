// Drawing of one die, shared by the face bitmaps, the icon and the logo.
#pragma once
#include "res/gen/image.h"

struct DieLook {
    Rgb body;
    Rgb pip;
};

extern const DieLook FREE_DIE;
extern const DieLook HELD_DIE;

struct DiePlacement {
    float centreX, centreY;
    float size;    // edge length of the die
    float radius;  // corner rounding
    float degrees; // clockwise turn
};

struct DieSample {
    Rgb colour;
    float coverage; // 0 outside the die, 1 inside
    float shadow;   // soft shadow coverage below and right of the die
};

// The die seen at one point of the picture; pips is 1..6.
DieSample SampleDie(const DieLook& look, const DiePlacement& place, int pips, float x, float y);

// Renders the die over a background with 4 x 4 samples a pixel.
void DrawDie(Picture& picture, const DieLook& look, const DiePlacement& place, int pips,
             float shadowOpacity);
