// The table of every sheet state's value, built by backward induction.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>

constexpr size_t EXPERT_TABLE_SIZE = size_t{1} << 15 << 6; // used rows x capped "summa"

// The sums of "summa", capped at 63, that a game reaches with these upper rows used, as bits.
uint64_t reachableSums(uint32_t upperUsed);

// Fills `values` (EXPERT_TABLE_SIZE entries, zero on entry) on `threads` threads. The states a
// game cannot reach stay 0, but for "summa" 63, which may hold the value of the sheet with no
// bonus to come. Gives up and returns false once `stop` is set. The caller's thread calls
// `breather`, if any, after each sheet of states (a fraction of a millisecond natively).
bool buildExpertTable(double* values, int32_t threads, const std::atomic<bool>* stop = nullptr,
                      void (*breather)() = nullptr);

// The most the free upper rows (bits 0-5 of `used` set for the rows used) can still add to
// "summa".
int32_t upperToCome(uint32_t used);

// Long work on the windows' own thread, in slices: StartSlices as it begins, then
// PaintBetweenSlices often; once 40 ms have passed since the last paint it lets the windows paint.
void StartSlices();
void PaintBetweenSlices();

// The run's table, complete: waits for it (see startExpertTable).
const double* expertTable();
