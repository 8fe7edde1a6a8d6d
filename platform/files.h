// The two data files of the working directory. Names are plain ("state", "h_score"): nothing is
// ever read or written outside the working directory, and never through a link.
#pragma once
#include <cstddef>
#include <cstdint>

// Reads at most `capacity` bytes from the start of the file. False, quietly, when the file is
// missing or refused: a link, no regular file, a file with more than one hard link, or one that
// cannot be opened for update.
bool ReadDataFile(const char* name, uint8_t* bytes, size_t capacity, size_t* length);

// Replaces the file whole with `bytes`, followed by the old file's bytes past `length` when it
// was longer: written to a temporary file beside it, flushed, and renamed over the name, so the
// file is at every moment either the old one or the new one. False when it cannot be written
// (the file is refused as above, or the directory does not allow it); the file is then unchanged.
bool ReplaceDataFile(const char* name, const uint8_t* bytes, size_t length);
// The same, but the file is exactly `bytes` afterwards: for files of the game's own text format,
// where an old tail would be read as more of the text.
bool ReplaceDataFileWhole(const char* name, const uint8_t* bytes, size_t length);

// An exclusive lock over the data files between instances of the game; calls may nest.
void LockDataFiles();
void UnlockDataFiles();
