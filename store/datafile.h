// The byte images of the two data files and their text-mode form on disk: the C library's text
// mode on the game's original platform wrote each LF as CR LF and read CR LF back as LF, so the
// files keep that form, byte for byte the same on every platform.
#pragma once
#include <cstddef>
#include <cstdint>

// The bytes a text-mode read gives for `raw`, at most `size` of them; returns how many.
size_t DecodeText(const uint8_t* raw, size_t rawLength, uint8_t* image, size_t size);
// The bytes a text-mode write puts on disk for `image`: each LF as CR LF. `raw` holds 2 * size.
size_t EncodeText(const uint8_t* image, size_t size, uint8_t* raw);

// The image at the start of a data file, at most `size` bytes: false, quietly, when the file is
// missing or refused (then `length` is 0).
bool ReadDataImage(const char* name, uint8_t* image, size_t size, size_t* length);
// Writes the image over the start of the file in text mode; a longer file keeps its further
// bytes. The file is replaced whole or not at all; false when it could not be written.
bool WriteDataImage(const char* name, const uint8_t* image, size_t size);
// What the player is told when a data file cannot be written: the box of the failed creation,
// then `what` ("Kan inte skriva ...").
void ShowWriteFailure(const char* what, bool owned);

// Little-endian 32-bit access to the byte images.
int32_t GetLe32(const uint8_t* p);
void PutLe32(uint8_t* p, int32_t v);
