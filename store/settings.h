// The options record's file, "state": the 28-byte record, then the words of the added options.
#pragma once
#include "core/settings.h"
#include <cstddef>
#include <cstdint>

constexpr size_t SETTINGS_BYTES = 28;
// The record and the "&Expert" word after it.
constexpr size_t SETTINGS_IMAGE_BYTES = 32;

Settings* LoadSettings();
void SaveSettings(const Settings* record);
// The defaults of a missing "state" file.
void SetDefaultSettings(Settings* record);
// Decodes an image as read from "state" over the record and the added options: a short image
// fills only its own length.
void DecodeSettings(Settings* record, ExtraSettings* extra, const uint8_t* image, size_t size);
// The image written to "state", `size` bytes: 28, or 32 with the "&Expert" word.
void EncodeSettings(const Settings* record, const ExtraSettings* extra, uint8_t* image,
                    size_t size);
