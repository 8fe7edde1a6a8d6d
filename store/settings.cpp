#include "store/settings.h"
#include "platform/msgbox.h"
#include "store/datafile.h"
#include <gc.h>

Settings* settings;

static constexpr size_t SETTINGS_BYTES = sizeof(Settings);

void SetDefaultSettings(Settings* s) {
    *s = Settings{1, 0, 1, 1, 1, 1200, 0};
}

void DecodeSettings(Settings* s, const uint8_t* image, size_t size) {
    int32_t* fields = &s->altDice;
    for (size_t i = 0; i < 7; i++) {
        uint8_t b[4] = {};
        for (size_t j = 0; j < 4; j++) {
            const size_t at = 4 * i + j;
            b[j] = at < size ? image[at] : 0;
        }
        if (4 * i < size)
            fields[i] = GetLe32(b);
    }
}

static void encodeSettings(const Settings* s, uint8_t image[SETTINGS_BYTES]) {
    const int32_t* fields = &s->altDice;
    for (size_t i = 0; i < 7; i++)
        PutLe32(image + 4 * i, fields[i]);
}

Settings* LoadSettings() {
    GC_INIT();
    auto* s = static_cast<Settings*>(GC_MALLOC(sizeof(Settings)));
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
        encodeSettings(s, image);
        written = WriteTextImage(f, image, SETTINGS_BYTES);
        written = std::fclose(f) == 0 && written;
    }
    if (!written)
        ShowMessageBox("Kan inte skriva fil till h\xe5rddisken", "Fel!", MBOX_OK, MBOX_ICON_NONE,
                       false);
}
