#include "store/settings.h"
#include "platform/msgbox.h"
#include "store/datafile.h"
#include <cstring>
#include <gc.h>

Settings* settings;

static constexpr size_t SETTINGS_BYTES = sizeof(Settings);

void SetDefaultSettings(Settings* s) {
    *s = Settings{1, 0, 1, 1, 1, 1200, 0};
}

static constexpr int32_t Settings::*FIELDS[7] = {
    &Settings::altDice,     &Settings::unlimitedThrows, &Settings::throwSound,
    &Settings::robotSound,  &Settings::spareOption,     &Settings::longThrows,
    &Settings::sortedThrow,
};

void EncodeSettings(const Settings* s, uint8_t image[SETTINGS_BYTES]) {
    for (size_t i = 0; i < 7; i++)
        PutLe32(image + 4 * i, s->*FIELDS[i]);
}

void DecodeSettings(Settings* s, const uint8_t* image, size_t size) {
    // The image lies over the record byte by byte, as a short read would fill it.
    uint8_t full[SETTINGS_BYTES];
    EncodeSettings(s, full);
    if (size > 0)
        std::memcpy(full, image, size < SETTINGS_BYTES ? size : SETTINGS_BYTES);
    for (size_t i = 0; i < 7; i++)
        s->*FIELDS[i] = GetLe32(full + 4 * i);
}

Settings* LoadSettings() {
    GC_INIT();
    auto* s = static_cast<Settings*>(GC_MALLOC(sizeof(Settings)));
    if (s == nullptr) {
        // Out of memory at start-up: the game still needs its options.
        static Settings fallback;
        s = &fallback;
    }
    std::FILE* f = OpenDataFile("state", false);
    if (f == nullptr) {
        SetDefaultSettings(s);
        return s;
    }
    uint8_t image[SETTINGS_BYTES] = {};
    const size_t n = ReadTextImage(f, image, SETTINGS_BYTES);
    std::fclose(f);
    DecodeSettings(s, image, n);
    return s;
}

void SaveSettings(const Settings* s) {
    std::FILE* f = OpenDataFile("state", true);
    bool written = false;
    if (f != nullptr) {
        uint8_t image[SETTINGS_BYTES];
        EncodeSettings(s, image);
        written = WriteTextImage(f, image, SETTINGS_BYTES);
        written = std::fclose(f) == 0 && written;
    }
    if (!written)
        ShowMessageBox("Kan inte skriva fil till h\xe5rddisken", "Fel!", MBOX_OK, MBOX_ICON_NONE,
                       false);
}
