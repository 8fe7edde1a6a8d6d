// "h_score" from arbitrary bytes: the file load and the in-memory decode agree, a short file
// keeps the rest of the list, insertion keeps the order of merit, and what is saved loads back.
#include "fuzz/fuzz_support.h"
#include "store/datafile.h"
#include "store/topten.h"
#include <cstring>

namespace {
constexpr size_t IMAGE = sizeof(TopTenList);

// A recognisable list in memory before every load.
TopTenList patterned() {
    TopTenList list{};
    for (int i = 0; i < 10; i++) {
        std::memcpy(list.entries[i].name, "Q\0xy", 4);
        list.entries[i].name[0] = static_cast<char>('A' + i);
        list.entries[i].score = 1000 - 10 * i;
    }
    return list;
}

bool sameList(const TopTenList& a, const TopTenList& b) {
    uint8_t x[IMAGE], y[IMAGE];
    EncodeTopTen(a, x);
    EncodeTopTen(b, y);
    return std::memcmp(x, y, IMAGE) == 0;
}

bool sameEntry(const TopTenEntry& a, const TopTenEntry& b) {
    return std::memcmp(a.name, b.name, 4) == 0 && a.score == b.score;
}

// The last image byte is CR and the kept tail of the file starts with LF.
bool endsAmbiguously(const TopTenList& list) {
    uint8_t image[IMAGE];
    EncodeTopTen(list, image);
    size_t written = IMAGE;
    for (uint8_t b : image)
        written += b == '\n';
    size_t size = 0;
    const uint8_t* file = ReadWholeFile("h_score", &size);
    return image[IMAGE - 1] == '\r' && size > written && file[written] == '\n';
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = EnterScratchDir();
    (void)ready;
    shownBoxes = 0;

    uint8_t image[IMAGE];
    const size_t n = ReadImageFromMemory(data, size, image, IMAGE);
    Check(n <= IMAGE && n <= size, "image longer than its input");
    if (size >= 2 * IMAGE)
        Check(n == IMAGE, "a long input must fill the whole list");
    TopTenList fromMemory = patterned();
    DecodeTopTen(fromMemory, image, n);
    uint8_t before[IMAGE], after[IMAGE];
    EncodeTopTen(patterned(), before);
    EncodeTopTen(fromMemory, after);
    Check(std::memcmp(after, image, n) == 0, "the image does not become the list");
    Check(std::memcmp(after + n, before + n, IMAGE - n) == 0, "a short image lost the rest");

    WriteWholeFile("h_score", data, size);
    topTen = patterned();
    LoadTopTen();
    Check(sameList(topTen, fromMemory), "file and memory loads differ");

    // A result of a score taken from the input, with a name of three letters.
    int32_t score = 0;
    std::memcpy(&score, size >= 4 ? data + size - 4 : before, 4);
    score = score % 400;
    const TopTenList old = topTen;
    const int32_t p = TopTenPosition(score);
    Check(p >= 0 && p <= 10, "position out of range");
    for (int32_t i = 0; i < p; i++)
        Check(old.entries[i].score >= score, "a result went above an equal or better one");
    Check(p == 10 || old.entries[p].score < score, "a result stayed below a lower one");
    AddTopTenResult("FZ\0", score);
    for (int32_t i = 0; i < 10; i++) {
        const TopTenEntry& want =
            i < p ? old.entries[i]
                  : (i == p ? TopTenEntry{{'F', 'Z', 0, 0}, score} : old.entries[i - 1]);
        Check(sameEntry(topTen.entries[i], want), "insertion moved the wrong entries");
    }
    const TopTenList saved = topTen;
    const bool ambiguous = endsAmbiguously(saved);
    topTen = TopTenList{};
    LoadTopTen();
    Check(ambiguous || sameList(topTen, saved), "save then load differs");

    ClearTopTen();
    topTen = patterned();
    LoadTopTen();
    for (int i = 0; i < 10; i++) {
        Check(topTen.entries[i].score == 0 && topTen.entries[i].name[0] == 0,
              "clearing left a result");
        Check(std::memcmp(topTen.entries[i].name + 1, saved.entries[i].name + 1, 3) == 0,
              "clearing changed the other name bytes");
    }
    Check(shownBoxes == 0, "a box was shown in a writable directory");
    return 0;
}
