#include "store/settings.h"
#include "platform/files.h"
#include "store/datafile.h"
#include <cstring>
#include <gc.h>

void SetDefaultSettings(Settings* s) {
    *s = Settings{1, 0, 1, 1, 1, 1200, 0};
}

void EncodeSettings(const Settings* s, const ExtraSettings* extra, uint8_t* image, size_t size) {
    const int32_t values[8] = {s->altDice,     s->unlimitedThrows, s->throwSound,
                               s->robotSound,  s->spareOption,     s->longThrows,
                               s->sortedThrow, extra->expertRobots};
    for (size_t i = 0; 4 * i + 4 <= size && i < 8; i++)
        PutLe32(image + 4 * i, values[i]);
}

void DecodeSettings(Settings* s, ExtraSettings* extra, const uint8_t* image, size_t size) {
    // The image lies over the record byte by byte, as a short read would fill it.
    uint8_t full[SETTINGS_IMAGE_BYTES];
    EncodeSettings(s, extra, full, sizeof full);
    if (size > 0)
        std::memcpy(full, image, size < sizeof full ? size : sizeof full);
    int32_t* fields[8] = {&s->altDice,     &s->unlimitedThrows, &s->throwSound,
                          &s->robotSound,  &s->spareOption,     &s->longThrows,
                          &s->sortedThrow, &extra->expertRobots};
    for (size_t i = 0; i < 8; i++)
        *fields[i] = GetLe32(full + 4 * i);
}

Settings* LoadSettings() {
    GC_INIT();
    auto* s = static_cast<Settings*>(GC_MALLOC(sizeof(Settings)));
    if (s == nullptr) {
        // Out of memory at start-up: the game still needs its options.
        static Settings fallback;
        s = &fallback;
    }
    extraSettings = ExtraSettings{};
    uint8_t image[SETTINGS_IMAGE_BYTES] = {};
    size_t n = 0;
    if (!ReadDataImage("state", image, sizeof image, &n))
        SetDefaultSettings(s);
    else
        DecodeSettings(s, &extraSettings, image, n);
    return s;
}

void SaveSettings(const Settings* s) {
    LockDataFiles();
    // The "&Expert" word is written when it is on, or when the file already reaches it: a file
    // of the record alone stays 28 bytes.
    uint8_t image[SETTINGS_IMAGE_BYTES];
    size_t onDisk = 0;
    ReadDataImage("state", image, sizeof image, &onDisk);
    const size_t size = extraSettings.expertRobots != 0 || onDisk >= SETTINGS_IMAGE_BYTES
                            ? SETTINGS_IMAGE_BYTES
                            : SETTINGS_BYTES;
    EncodeSettings(s, &extraSettings, image, size);
    const bool written = WriteDataImage("state", image, size);
    UnlockDataFiles();
    // At exit the root window is gone: the boxes have no owner.
    if (!written)
        ShowWriteFailure("Kan inte skriva fil till h\xe5rddisken", false);
}
