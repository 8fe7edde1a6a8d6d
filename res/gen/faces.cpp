#include "res/gen/die.h"
#include "res/gen/pictures.h"

// Light neutral grey: sits quietly on the dice window's white and on the green felt alike.
const Rgb FACE_SURROUND = {0.905f, 0.910f, 0.895f};

Picture MakeFace(int pips, bool held) {
    Picture face = MakePicture(64, 64, FACE_SURROUND);
    DiePlacement place{31.5f, 31.0f, 58.0f, 10.5f, 0.0f};
    DrawDie(face, held ? HELD_DIE : FREE_DIE, place, pips, 0.28f);
    return face;
}

Picture MakeIcon(int size) {
    Picture icon = MakePicture(size, size, Rgb{0.1f, 0.1f, 0.1f});
    icon.alpha.assign(static_cast<size_t>(size) * size, 0.0f);
    // Laid out at 48 pixels; every size is the same drawing scaled.
    const float k = size / 48.0f;
    DiePlacement place{23.0f * k, 22.5f * k, 36.0f * k, 7.0f * k, -10.0f};
    DrawDie(icon, FREE_DIE, place, 5, 0.45f);
    return icon;
}
