// "state" from arbitrary bytes: the file load and the in-memory decode agree, and a save followed
// by a load gives the same options back while the file keeps whatever follows the record.
#include "fuzz/fuzz_support.h"
#include "store/datafile.h"
#include "store/settings.h"
#include <cstring>
#include <vector>

namespace {
constexpr size_t RECORD = sizeof(Settings);

void checkImage(const uint8_t* data, size_t size, const uint8_t* image, size_t n) {
    Check(n <= RECORD && n <= size, "image longer than its input");
    if (size >= 2 * RECORD)
        Check(n == RECORD, "a long input must fill the whole record");
    if (std::memchr(data, '\r', size < 2 * RECORD ? size : 2 * RECORD) == nullptr)
        Check(n == (size < RECORD ? size : RECORD) && std::memcmp(image, data, n) == 0,
              "without CR the image is the input's prefix");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = EnterScratchDir();
    (void)ready;
    shownBoxes = 0;

    uint8_t image[RECORD] = {};
    const size_t n = ReadImageFromMemory(data, size, image, RECORD);
    checkImage(data, size, image, n);
    Settings fromMemory{};
    DecodeSettings(&fromMemory, image, n);
    uint8_t encoded[RECORD];
    EncodeSettings(&fromMemory, encoded);
    Check(std::memcmp(encoded, image, RECORD) == 0, "decode then encode changes the image");

    WriteWholeFile("state", data, size);
    const Settings loaded = *LoadSettings();
    Check(std::memcmp(&loaded, &fromMemory, RECORD) == 0, "file and memory loads differ");

    SaveSettings(&loaded);
    std::vector<uint8_t> written;
    for (uint8_t b : encoded) {
        if (b == '\n')
            written.push_back('\r');
        written.push_back(b);
    }
    size_t fileSize = 0;
    const uint8_t* file = ReadWholeFile("state", &fileSize);
    Check(fileSize == (size > written.size() ? size : written.size()), "save changed the length");
    Check(std::memcmp(file, written.data(), written.size()) == 0, "saved bytes are not the record");
    Check(fileSize == written.size() || std::memcmp(file + written.size(), data + written.size(),
                                                    fileSize - written.size()) == 0,
          "save changed the bytes after the record");

    // A record ending in CR reads back as LF when the kept tail starts with LF: the file
    // then really holds CR LF there. Any other record survives the round trip.
    const bool ambiguous =
        encoded[RECORD - 1] == '\r' && fileSize > written.size() && file[written.size()] == '\n';
    const Settings again = *LoadSettings();
    Check(ambiguous || std::memcmp(&again, &loaded, RECORD) == 0, "save then load differs");
    Check(shownBoxes == 0, "a box was shown in a writable directory");
    return 0;
}
