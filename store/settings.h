// The options record's file, "state": the 28-byte record, then the added options in a record of
// their own that names itself, so that bytes another program left there mean nothing to us.
#pragma once
#include "core/settings.h"
#include <cstddef>
#include <cstdint>

constexpr size_t SETTINGS_BYTES = 28;
// The added options' record: a tag, its version, the byte count of the fields, then the fields.
constexpr uint8_t EXTRA_TAG[4] = {'D', 'Y', 'X', '+'};
constexpr int32_t EXTRA_VERSION = 1;
constexpr size_t EXTRA_HEADER_BYTES = 12;
constexpr size_t EXTRA_FIELDS = 2;
constexpr size_t EXTRA_BYTES = EXTRA_HEADER_BYTES + 4 * EXTRA_FIELDS;
// The longest image read: the record, ours, and the fields a later version may add.
constexpr size_t SETTINGS_IMAGE_BYTES = 1024;

Settings* LoadSettings();
void SaveSettings(const Settings* record);
// The defaults of a missing "state" file.
void SetDefaultSettings(Settings* record);
// Decodes an image as read from "state" over the record and the added options: a short image
// fills only its own length; a tail that is not our record leaves the added options off. Returns
// the byte count of the added options' fields found (0: none, so nothing of ours is there).
size_t DecodeSettings(Settings* record, ExtraSettings* extra, const uint8_t* image, size_t size);
// The image written over the start of "state", returning its size: the record alone, or with
// the added options when one is on or `fields` (as DecodeSettings found them) says the file
// already holds their record.
size_t EncodeSettings(const Settings* record, const ExtraSettings* extra, size_t fields,
                      uint8_t image[SETTINGS_BYTES + EXTRA_BYTES]);
