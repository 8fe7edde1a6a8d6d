#include "store/topten.h"
#include "core/game.h"
#include "platform/files.h"
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
    uint8_t image[80];
    size_t n = 0;
    if (ReadDataImage("h_score", image, sizeof image, &n))
        DecodeTopTen(topTen, image, n);
}

static bool writeTopTen() {
    uint8_t image[80];
    EncodeTopTen(topTen, image);
    return WriteDataImage("h_score", image, sizeof image);
}

static void reportUnless(bool written) {
    if (!written)
        ShowWriteFailure("Kan inte skriva tio i top lista", true);
}

void SaveTopTen() {
    LockDataFiles();
    const bool written = writeTopTen();
    UnlockDataFiles();
    reportUnless(written);
}

int32_t TopTenPosition(int32_t score) {
    for (int32_t i = 0; i < 10; i++)
        if (topTen.entries[i].score < score)
            return i;
    return 10;
}

void AddTopTenResult(const char name[4], int32_t score) {
    // Read, insert and write under one lock: another instance's result is never lost.
    LockDataFiles();
    LoadTopTen();
    const int32_t p = TopTenPosition(score);
    if (p < 10) {
        for (int32_t i = 9; i > p; i--)
            topTen.entries[i] = topTen.entries[i - 1];
        std::memcpy(topTen.entries[p].name, name, 4);
        topTen.entries[p].score = score;
    }
    const bool written = writeTopTen();
    UnlockDataFiles();
    reportUnless(written);
}

void ClearTopTen() {
    for (TopTenEntry& e : topTen.entries) {
        e.name[0] = 0;
        e.score = 0;
    }
    SaveTopTen();
}

void OfferResultsToTopTen() {
    for (int32_t p = 0; p < gameState.playerCount && p < MAX_SLOTS; p++)
        AddTopTenResult(gameState.players[p].name, gameState.players[p].cells[ROW_TOTAL]);
}
