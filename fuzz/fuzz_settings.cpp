// "state" from arbitrary bytes: the file load agrees with the in-memory decode, a tail that is not
// our record of added options leaves them off, and a save writes the record (and ours when the
// file holds it or an option is on) over the start of the file, keeping what follows, so that a
// load gives both back.
#include "fuzz/fuzz_support.h"
#include "store/datafile.h"
#include "store/settings.h"
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = EnterScratchDir();
    (void)ready;
    shownBoxes = 0;
    static uint8_t image[SETTINGS_IMAGE_BYTES];
    const size_t n = DecodeText(data, size, image, sizeof image);
    Settings fromMemory{};
    ExtraSettings extraFromMemory{};
    const size_t fields = DecodeSettings(&fromMemory, &extraFromMemory, image, n);
    const bool ours = n >= SETTINGS_BYTES + EXTRA_HEADER_BYTES &&
                      std::memcmp(image + SETTINGS_BYTES, EXTRA_TAG, 4) == 0;
    Check(fields > 0 || extraFromMemory.championRobots == 0, "an option from a foreign tail");
    Check(fields == 0 || ours || n == SETTINGS_BYTES + 4, "a record found without its tag");

    WriteWholeFile("state", data, size);
    const Settings loaded = *LoadSettings();
    Check(std::memcmp(&loaded, &fromMemory, sizeof loaded) == 0 &&
              std::memcmp(&extraSettings, &extraFromMemory, sizeof extraSettings) == 0,
          "the file and memory loads differ");

    const ExtraSettings options = extraSettings;
    SaveSettings(&loaded);
    uint8_t saved[SETTINGS_BYTES + EXTRA_BYTES], raw[2 * sizeof saved];
    const size_t imageSize = EncodeSettings(&loaded, &options, fields, saved);
    const size_t rawSize = EncodeText(saved, imageSize, raw);
    CheckSavedOver("state", data, size, raw, rawSize);

    // A record ending in CR reads back as LF when the kept bytes start with LF: the file then
    // really holds CR LF there. Any other image survives the round trip.
    const bool ambiguous = raw[rawSize - 1] == '\r' && size > rawSize && data[rawSize] == '\n';
    const Settings again = *LoadSettings();
    Check(ambiguous || (std::memcmp(&again, &loaded, sizeof again) == 0 &&
                        (imageSize == SETTINGS_BYTES ||
                         std::memcmp(&extraSettings, &options, sizeof options) == 0)),
          "save then load differs");
    Check(shownBoxes == 0, "a box was shown in a writable directory");
    return 0;
}
