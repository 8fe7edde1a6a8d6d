// "h_score" from arbitrary bytes: the file load agrees with the in-memory decode over the list
// in memory, an insertion keeps the order of merit and is saved over the start of the file, and
// every name is shown as at most four printable signs.
#include "fuzz/fuzz_support.h"
#include "store/datafile.h"
#include "store/topten.h"
#include "ui/names.h"
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = EnterScratchDir();
    (void)ready;
    shownBoxes = 0;
    TopTenList before{};
    for (int i = 0; i < 10; i++)
        before.entries[i] = TopTenEntry{{static_cast<char>('A' + i), 0, 'x', 'y'}, 1000 - 10 * i};
    uint8_t image[80];
    TopTenList fromMemory = before;
    DecodeTopTen(fromMemory, image, DecodeText(data, size, image, sizeof image));

    WriteWholeFile("h_score", data, size);
    topTen = before;
    LoadTopTen();
    Check(std::memcmp(&topTen, &fromMemory, sizeof topTen) == 0,
          "the file and memory loads differ");
    for (const TopTenEntry& e : topTen.entries) {
        char shown[5];
        const int32_t n = ShowableName(e.name, 4, shown);
        Check(n <= 4 && std::strlen(shown) == static_cast<size_t>(n),
              "a name longer than its field");
        for (int32_t i = 0; i < n; i++)
            Check(static_cast<uint8_t>(shown[i]) >= 0x20, "a control byte drawn");
    }

    // A result in the middle of the scores read enters below every equal one.
    const int32_t score = size > 0 ? fromMemory.entries[data[0] % 10].score : 1;
    const int32_t place = TopTenPosition(score);
    AddTopTenResult("ZZ\0", score);
    Check(place == 10 || (std::memcmp(topTen.entries[place].name, "ZZ\0", 4) == 0 &&
                          (place == 0 || topTen.entries[place - 1].score >= score)),
          "the result is not where it belongs");
    uint8_t saved[80], raw[160];
    EncodeTopTen(topTen, saved);
    CheckSavedOver("h_score", data, size, raw, EncodeText(saved, sizeof saved, raw));
    Check(shownBoxes == 0, "a box was shown in a writable directory");
    return 0;
}
