#include "expert/table.h"
#include "expert/expert.h"
#include "expert/turn.h"
#include <algorithm>
#include <atomic>
#include <bit>
#include <bitset>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr int32_t MAX_SUM = EXPERT_SUMS - 1;
constexpr int32_t UPPER_ROWS = 6;
constexpr int32_t BACKGROUND_THREADS = 2;
// Work in slices: at most this long before the windows paint.
constexpr std::chrono::milliseconds SLICE{25};
std::chrono::steady_clock::time_point sliceStart;

// Each set of upper rows from the set without its highest row: 0 to 5 dice of that face more.
void fillReach(uint64_t sums[1 << UPPER_ROWS]) {
    sums[0] = 1;
    for (uint32_t used = 1; used < (1u << UPPER_ROWS); used++) {
        const int32_t face = 31 - std::countl_zero(used);
        const uint64_t before = sums[used & ~(1u << face)];
        uint64_t after = 0;
        for (int32_t s = 0; s <= MAX_SUM; s++)
            for (int32_t n = 0; n <= 5 && (before >> s & 1u); n++) {
                const int32_t t = s + n * (face + 1);
                after |= uint64_t{1} << (t < MAX_SUM ? t : MAX_SUM);
            }
        sums[used] = after;
    }
}

// One sheet's states, every reachable "summa", LANES of them at a time. Those that can no
// longer win the bonus (it is won, or out of reach) are all worth the same, so that value is
// worked out once, for 63, and copied.
void fillStates(double* values, uint32_t used, TurnScratch& scratch) {
    double* row = values + used * EXPERT_SUMS;
    if (used == EXPERT_ALL_USED)
        return; // nothing to come: the table is zero
    const uint64_t reach = reachableSums(used & ((1u << UPPER_ROWS) - 1));
    const int32_t toCome = upperToCome(used);
    uint64_t settled = 0;
    for (int32_t s = 0; s <= MAX_SUM; s++)
        if ((reach >> s & 1u) && (s == MAX_SUM || s + toCome < MAX_SUM))
            settled |= uint64_t{1} << s;
    int32_t sums[EXPERT_SUMS], n = 0;
    for (int32_t s = 0; s < MAX_SUM; s++)
        if ((reach & ~settled) >> s & 1u)
            sums[n++] = s;
    if (settled != 0)
        sums[n++] = MAX_SUM;
    for (int32_t first = 0; first < n; first += LANES) {
        int32_t batch[LANES];
        for (int32_t i = 0; i < LANES; i++)
            batch[i] = sums[first + i < n ? first + i : first]; // a short batch repeats its first
        double v[LANES];
        turnValues(values, used, batch, scratch, v);
        for (int32_t i = 0; i < LANES && first + i < n; i++)
            row[batch[i]] = v[i];
    }
    for (int32_t s = 0; s < MAX_SUM; s++)
        if (settled >> s & 1u)
            row[s] = row[MAX_SUM];
}

// The run's one table, and who computes it.
double* table;
std::atomic<bool> ready;
std::mutex guard;
bool started;

// The background thread. Declared last so that it is destroyed first: at exit it asks an
// unfinished computation to stop and waits for it, before anything the computation uses is gone.
struct Worker {
    std::thread thread;
    std::atomic<bool> stop{false};
    ~Worker() {
        stop = true;
        if (thread.joinable())
            thread.join();
    }
};
Worker worker;

void computeInto(int32_t threads, const std::atomic<bool>* stop) {
    const bool slices = expertInSlices && threads == 1 && frontEnd.pause != nullptr;
    // The table starts zeroed, a megabyte at a time: the browser's first touch of its 16 MB
    // takes longer than a slice.
    StartSlices();
    double* values = new double[EXPERT_TABLE_SIZE];
    constexpr size_t PART = size_t{1} << 17;
    for (size_t at = 0; at < EXPERT_TABLE_SIZE; at += PART) {
        std::fill_n(values + at, std::min(PART, EXPERT_TABLE_SIZE - at), 0.0);
        if (slices)
            PaintBetweenSlices();
    }
    // The pause serves only the window system, whose events never reach the expert: the player's
    // input waits, so nothing asks for the table again while it is being built.
    if (buildExpertTable(values, threads, stop, slices ? PaintBetweenSlices : nullptr)) {
        table = values;
        ready.store(true, std::memory_order_release);
    } else {
        delete[] values;
    }
}

} // namespace

int32_t upperToCome(uint32_t used) {
    int32_t most = 0;
    for (int32_t f = 0; f < UPPER_ROWS; f++)
        if (!(used >> f & 1u))
            most += 5 * (f + 1);
    return most;
}

void StartSlices() {
    sliceStart = std::chrono::steady_clock::now();
}

void PaintBetweenSlices() {
    const auto now = std::chrono::steady_clock::now();
    if (now - sliceStart < SLICE)
        return;
    CallHook(frontEnd.pause, 1);
    sliceStart = std::chrono::steady_clock::now();
}

bool expertInSlices = false;

uint64_t reachableSums(uint32_t upperUsed) {
    static uint64_t sums[1 << UPPER_ROWS];
    static const bool filled = (fillReach(sums), true); // once, whichever thread comes first
    (void)filled;
    return sums[upperUsed & ((1u << UPPER_ROWS) - 1)];
}

bool buildExpertTable(double* values, int32_t threads, const std::atomic<bool>* stop,
                      void (*breather)()) {
    auto stopped = [stop] { return stop != nullptr && stop->load(std::memory_order_relaxed); };
    diceSets();
    reachableSums(0);
    std::vector<uint32_t> level;
    // Each state needs only states with one more row used: a level of sheets at a time.
    for (int32_t usedCount = EXPERT_ROWS; usedCount >= 0; usedCount--) {
        level.clear();
        for (uint32_t used = 0; used <= EXPERT_ALL_USED; used++)
            if (std::popcount(used) == usedCount)
                level.push_back(used);
        std::atomic<size_t> next{0};
        auto work = [&](void (*breathe)()) {
            // On the heap: it is large for a thread's stack, and for the browser's.
            std::unique_ptr<TurnScratch> scratch(new TurnScratch);
            for (size_t i = next++; i < level.size() && !stopped(); i = next++) {
                fillStates(values, level[i], *scratch);
                if (breathe != nullptr)
                    breathe();
            }
        };
        std::vector<std::thread> helpers;
        for (int32_t t = 1; t < threads; t++)
            helpers.emplace_back(work, nullptr);
        work(breather); // only here: the caller's thread
        for (std::thread& h : helpers)
            h.join();
        if (stopped())
            return false;
    }
    return true;
}

void startExpertTable(bool inBackground) {
    std::lock_guard<std::mutex> lock(guard);
    if (started)
        return;
    started = true;
    if (inBackground)
        worker.thread = std::thread(computeInto, BACKGROUND_THREADS, &worker.stop);
}

bool expertTableReady() {
    return ready.load(std::memory_order_acquire);
}

void waitExpertTable() {
    if (expertTableReady())
        return;
    std::lock_guard<std::mutex> lock(guard);
    started = true;
    if (worker.thread.joinable())
        worker.thread.join();
    else if (!expertTableReady())
        computeInto(1, nullptr);
}

const double* expertTable() {
    waitExpertTable();
    return table;
}

double expertValue(uint32_t used, int32_t upperSum) {
    const double* values = expertTable();
    const int32_t s = upperSum < 0 ? 0 : (upperSum < MAX_SUM ? upperSum : MAX_SUM);
    return values[(used & EXPERT_ALL_USED) * EXPERT_SUMS + s];
}

bool expertSheetReachable(uint32_t used, int32_t upperSum) {
    // Exact sums here, not capped ones: "summa" can be anything up to 105.
    std::bitset<5 * 21 + 1> sums;
    sums[0] = true;
    for (int32_t f = 0; f < UPPER_ROWS; f++) {
        if (!(used >> f & 1u))
            continue;
        std::bitset<5 * 21 + 1> with = sums;
        for (int32_t n = 1; n <= 5; n++)
            with |= sums << static_cast<size_t>(n * (f + 1));
        sums = with;
    }
    return used <= EXPERT_ALL_USED && upperSum >= 0 && upperSum <= 5 * 21 &&
           sums[static_cast<size_t>(upperSum)];
}
