// "state" from arbitrary bytes: the file load agrees with the in-memory decode, and a save writes
// the record over the start of the file, keeping what follows, so that a load gives it back.
#include "fuzz/fuzz_support.h"
#include "store/datafile.h"
#include "store/settings.h"
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = EnterScratchDir();
    (void)ready;
    shownBoxes = 0;
    uint8_t image[SETTINGS_IMAGE_BYTES] = {};
    const size_t n = DecodeText(data, size, image, sizeof image);
    Check(n <= size && (size < 2 * sizeof image || n == sizeof image), "a short decode");
    Settings fromMemory{};
    ExtraSettings extraFromMemory{};
    DecodeSettings(&fromMemory, &extraFromMemory, image, n);

    WriteWholeFile("state", data, size);
    const Settings loaded = *LoadSettings();
    Check(std::memcmp(&loaded, &fromMemory, sizeof loaded) == 0 &&
              extraSettings.expertRobots == extraFromMemory.expertRobots,
          "the file and memory loads differ");

    SaveSettings(&loaded);
    const size_t imageSize = n >= SETTINGS_IMAGE_BYTES || extraSettings.expertRobots != 0
                                 ? SETTINGS_IMAGE_BYTES
                                 : SETTINGS_BYTES;
    uint8_t saved[SETTINGS_IMAGE_BYTES], raw[2 * SETTINGS_IMAGE_BYTES];
    EncodeSettings(&loaded, &extraSettings, saved, imageSize);
    const size_t rawSize = EncodeText(saved, imageSize, raw);
    CheckSavedOver("state", data, size, raw, rawSize);

    // A record ending in CR reads back as LF when the kept bytes start with LF: the file then
    // really holds CR LF there. Any other record survives the round trip.
    const bool ambiguous = raw[rawSize - 1] == '\r' && size > rawSize && data[rawSize] == '\n';
    const Settings again = *LoadSettings();
    Check(ambiguous || std::memcmp(&again, &loaded, sizeof again) == 0, "save then load differs");
    Check(shownBoxes == 0, "a box was shown in a writable directory");
    return 0;
}
