// Shared by the fuzz targets: a private working directory, a counting message box, checks.
#pragma once
#include <cstddef>
#include <cstdint>

// Message boxes shown since the last reset; the loaders run where every write succeeds.
extern int shownBoxes;

// Moves into a fresh private working directory, removed again at exit. Call once.
bool EnterScratchDir();
void WriteWholeFile(const char* name, const uint8_t* data, size_t size);
// The whole file; size 0 when missing. The buffer lives until the next call.
const uint8_t* ReadWholeFile(const char* name, size_t* size);
// The file after a save: `head` (the new image in text mode), then the input's bytes past it.
void CheckSavedOver(const char* name, const uint8_t* data, size_t size, const uint8_t* head,
                    size_t headSize);
// Aborts, so that the fuzzer keeps the input, when cond is false.
void Check(bool cond, const char* what);
