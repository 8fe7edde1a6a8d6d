#include "store/topten.h"
#include "platform/msgbox.h"
#include "store/datafile.h"
#include <cstring>

TopTenList topTen;

void DecodeTopTen(TopTenList& list, const uint8_t* image, size_t size) {
    uint8_t full[80];
    EncodeTopTen(list, full);
    if (size > 0)
        std::memcpy(full, image, size < 80 ? size : 80);
    for (int i = 0; i < 10; i++) {
        std::memcpy(list.entries[i].name, full + 8 * i, 4);
        list.entries[i].score = GetLe32(full + 8 * i + 4);
    }
}

void EncodeTopTen(const TopTenList& list, uint8_t image[80]) {
    for (int i = 0; i < 10; i++) {
        std::memcpy(image + 8 * i, list.entries[i].name, 4);
        PutLe32(image + 8 * i + 4, list.entries[i].score);
    }
}

void LoadTopTen() {
    std::FILE* f = OpenDataFile("h_score", false);
    if (f == nullptr)
        return;
    uint8_t image[80];
    const size_t n = ReadTextImage(f, image, sizeof image);
    std::fclose(f);
    DecodeTopTen(topTen, image, n);
}

void SaveTopTen() {
    std::FILE* f = OpenDataFile("h_score", true);
    bool written = false;
    if (f != nullptr) {
        uint8_t image[80];
        EncodeTopTen(topTen, image);
        written = WriteTextImage(f, image, sizeof image);
        written = std::fclose(f) == 0 && written;
    }
    if (!written)
        ShowMessageBox("Kan inte skriva tio i top lista", "Fel!", MBOX_OK, MBOX_ICON_NONE, true);
}

int32_t TopTenPosition(int32_t score) {
    for (int32_t i = 0; i < 10; i++)
        if (topTen.entries[i].score < score)
            return i;
    return 10;
}

void AddTopTenResult(const char name[4], int32_t score) {
    LoadTopTen();
    const int32_t p = TopTenPosition(score);
    if (p < 10) {
        for (int32_t i = 9; i > p; i--)
            topTen.entries[i] = topTen.entries[i - 1];
        std::memcpy(topTen.entries[p].name, name, 4);
        topTen.entries[p].score = score;
    }
    SaveTopTen();
}

void ClearTopTen() {
    for (TopTenEntry& e : topTen.entries) {
        e.name[0] = 0;
        e.score = 0;
    }
    SaveTopTen();
}
