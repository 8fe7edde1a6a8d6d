// The options of the menu "&Inställningar": one record for the whole run, read from "state" at
// start-up and written back at exit (store/).
#pragma once
#include <cstdint>

struct Settings {
    int32_t altDice;
    int32_t unlimitedThrows;
    int32_t throwSound;
    int32_t robotSound;
    int32_t spareOption;
    int32_t longThrows;
    int32_t sortedThrow;
};
static_assert(sizeof(Settings) == 28);

extern Settings* settings;

// Options added after the 28-byte record; "state" keeps them in a tagged record after it
// (docs/state-file.md).
struct ExtraSettings {
    int32_t expertRobots;   // "&Expert": robots play the optimal strategy
    int32_t championRobots; // "&Mästare": robots play to win against the table
};
extern ExtraSettings extraSettings;

// An option counts as on when it is not 0; before the options are loaded every option is off.
inline bool SettingOn(int32_t Settings::*option) {
    return settings != nullptr && settings->*option != 0;
}
