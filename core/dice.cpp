#include "core/dice.h"
#include "core/random.h"
#include "core/settings.h"

int32_t holdAlikeMode;

void throwDice(DiceThrow& d) {
    const bool alt = SettingOn(&Settings::altDice);
    for (int32_t i = 0; i < 5; i++)
        if (d.held[i] == 0)
            d.face[i] = alt ? randomCrt(0, 5) : randomIsaac(0, 5);
}

void applyAlike(DiceThrow& d) {
    for (int32_t i = 0; i < 5; i++) {
        if (d.held[i] == 0)
            continue;
        for (int32_t j = 0; j < 5; j++)
            if (d.face[j] == d.face[i])
                d.held[j] = 1;
    }
}

void toggleHold(DiceThrow& d, int32_t die) {
    if (die < 0 || die > 4)
        return;
    d.held[die] = d.held[die] == 0 ? 1 : 0;
    // A freed die whose face another held die shows is held again at once.
    if (holdAlikeMode == 1)
        applyAlike(d);
}

void toggleAlike(DiceThrow& d) {
    holdAlikeMode = holdAlikeMode == 0 ? 1 : 0;
    if (holdAlikeMode == 1)
        applyAlike(d);
}

void holdAllDice(DiceThrow& d) {
    for (int32_t& h : d.held)
        h = 1;
}

void setHolds(DiceThrow& d, const int32_t held[5]) {
    for (int32_t i = 0; i < 5; i++)
        d.held[i] = held[i] != 0 ? 1 : 0;
}

void releaseAllDice(DiceThrow& d) {
    holdAlikeMode = 0;
    for (int32_t& h : d.held)
        h = 0;
}
