// The options of the menu "&Inställningar", kept in the 28-byte file "state".
#pragma once
#include <cstddef>
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

// An option counts as on when it is not 0; before the options are loaded every option is off.
inline bool SettingOn(int32_t Settings::*option) {
    return settings != nullptr && settings->*option != 0;
}

Settings* LoadSettings();
void SaveSettings(const Settings* record);
// The defaults of a missing "state" file.
void SetDefaultSettings(Settings* record);
// Decodes a byte image as read from "state": a short image fills only its own length.
void DecodeSettings(Settings* record, const uint8_t* image, size_t size);
// The 28-byte image written to "state", fields in order, little-endian.
void EncodeSettings(const Settings* record, uint8_t image[28]);
