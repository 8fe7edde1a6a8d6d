// The two data files in the working directory, and the text-mode translation they are kept in.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

// name is "state" or "h_score". Opens for update; with create, makes the file when it is missing.
// Shows "Kan inte skapa fil till spelet" when even that fails.
std::FILE* OpenDataFile(const char* name, bool create);

// Reads up to `size` bytes of image from a text-mode file (CR LF becomes LF); returns the count.
size_t ReadTextImage(std::FILE* f, uint8_t* image, size_t size);
// Writes the image from the start of the file, each LF as CR LF. False when the write failed.
bool WriteTextImage(std::FILE* f, const uint8_t* image, size_t size);

// Little-endian 32-bit access to the byte images.
int32_t GetLe32(const uint8_t* p);
void PutLe32(uint8_t* p, int32_t v);
