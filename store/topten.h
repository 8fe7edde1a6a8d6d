// The ten best results, kept in the 80-byte file "h_score".
#pragma once
#include <cstddef>
#include <cstdint>

struct TopTenEntry {
    char name[4];
    int32_t score;
};

struct TopTenList {
    TopTenEntry entries[10];
};
static_assert(sizeof(TopTenList) == 80);

extern TopTenList topTen;

void LoadTopTen();
void SaveTopTen();
int32_t TopTenPosition(int32_t score);
void AddTopTenResult(const char name[4], int32_t score);
void ClearTopTen();
// Every player's "Total" of the finished game, in slot order.
void OfferResultsToTopTen();
// Decodes an image as read from "h_score" over the list: a short image keeps the rest.
void DecodeTopTen(TopTenList& list, const uint8_t* image, size_t size);
void EncodeTopTen(const TopTenList& list, uint8_t image[80]);
