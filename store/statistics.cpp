#include "store/statistics.h"
#include "platform/files.h"
#include "store/datafile.h"
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const char FILE_NAME[] = "statistik";
const char BACKUP_NAME[] = "statistik.bak";
const char HEADER[] = "Tolvik dyxel statistik 1\n";
const char COLUMNS[] = "# namn spel summa b\xe4st bonus dyxel m\xe4nniska beslut f\xf6rlust/1000\n";
constexpr size_t MAX_FILE = 1 << 20;
constexpr int64_t MAX_COUNT = 4000000000000000000LL; // far below overflow when added to

// A name byte that would split a line into fields or start a comment is written as %XX.
bool escaped(uint8_t c) {
    return c <= ' ' || c == '%' || c == '#' || c == 0x7f;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

bool parseName(const char* s, size_t n, char name[4]) {
    int32_t k = 0;
    for (size_t i = 0; i < n; i++) {
        int c = static_cast<uint8_t>(s[i]);
        if (c == '%') {
            const int hi = i + 2 < n ? hexDigit(s[i + 1]) : -1;
            const int lo = i + 2 < n ? hexDigit(s[i + 2]) : -1;
            if (hi < 0 || lo < 0)
                return false;
            c = hi * 16 + lo;
            i += 2;
        } else if (escaped(static_cast<uint8_t>(c))) {
            return false;
        }
        if (c == 0 || k >= 3)
            return false;
        name[k++] = static_cast<char>(c);
    }
    name[k] = 0;
    return k > 0;
}

bool parseCount(const char* s, size_t n, int64_t& out) {
    if (n == 0 || n > 18)
        return false;
    out = 0;
    for (size_t i = 0; i < n; i++) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        out = out * 10 + (s[i] - '0');
    }
    return true;
}

// NAME GAMES SUM BEST BONUS DYXEL HUMAN DECISIONS LOSS
bool parseEntry(const char* line, size_t length, StatisticsEntry& e) {
    const char* field[9];
    size_t size[9];
    int32_t n = 0;
    for (size_t i = 0; i < length;) {
        const size_t start = i;
        while (i < length && line[i] != ' ')
            i++;
        if (n == 9 || i == start)
            return false;
        field[n] = line + start;
        size[n++] = i - start;
        i += i < length ? 1 : 0;
        if (i == length && line[length - 1] == ' ')
            return false;
    }
    int64_t v[8];
    if (n != 9 || !parseName(field[0], size[0], e.name))
        return false;
    for (int32_t k = 0; k < 8; k++)
        if (!parseCount(field[k + 1], size[k + 1], v[k]))
            return false;
    const int64_t games = v[0];
    if (games < 1 || games > INT32_MAX || v[2] > v[1] || v[3] > games || v[4] > games ||
        v[5] > games || v[2] > INT32_MAX)
        return false;
    e.games = static_cast<int32_t>(games);
    e.totalSum = v[1];
    e.best = static_cast<int32_t>(v[2]);
    e.bonusGames = static_cast<int32_t>(v[3]);
    e.dyxelGames = static_cast<int32_t>(v[4]);
    e.humanGames = static_cast<int32_t>(v[5]);
    e.decisions = v[6];
    e.lossMilli = v[7];
    return true;
}

bool sameName(const char a[4], const char b[4]) {
    return std::strncmp(a, b, 4) == 0;
}

bool byName(const StatisticsEntry& a, const StatisticsEntry& b) {
    return std::strncmp(a.name, b.name, 4) < 0;
}

bool writeEntries(const std::vector<StatisticsEntry>& entries) {
    const std::string text = FormatStatisticsFile(entries);
    std::vector<uint8_t> raw(2 * text.size());
    const size_t n =
        EncodeText(reinterpret_cast<const uint8_t*>(text.data()), text.size(), raw.data());
    return ReplaceDataFileWhole(FILE_NAME, raw.data(), n);
}

int64_t add(int64_t a, int64_t b) {
    return a > MAX_COUNT - b ? MAX_COUNT : a + b;
}

} // namespace

namespace {

bool parseAll(const char* text, size_t length, std::vector<StatisticsEntry>& out) {
    const size_t header = sizeof HEADER - 1;
    if (length < header || std::memcmp(text, HEADER, header) != 0)
        return false;
    for (size_t at = header; at < length;) {
        const char* end = static_cast<const char*>(std::memchr(text + at, '\n', length - at));
        if (end == nullptr) // a last line without its end: cut short
            return false;
        const size_t n = static_cast<size_t>(end - (text + at));
        if (n > 0 && text[at] != '#') {
            StatisticsEntry e{};
            if (!parseEntry(text + at, n, e))
                return false;
            for (const StatisticsEntry& other : out)
                if (sameName(other.name, e.name))
                    return false;
            out.push_back(e);
        }
        at += n + 1;
    }
    return true;
}

} // namespace

bool ParseStatistics(const char* text, size_t length, std::vector<StatisticsEntry>& out) {
    out.clear();
    if (parseAll(text, length, out))
        return true;
    out.clear();
    return false;
}

std::string FormatStatisticsFile(const std::vector<StatisticsEntry>& entries) {
    std::string text = std::string(HEADER) + COLUMNS;
    for (const StatisticsEntry& e : entries) {
        for (int32_t i = 0; i < 3 && e.name[i] != 0; i++) {
            const uint8_t c = static_cast<uint8_t>(e.name[i]);
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", c);
            text += escaped(c) ? std::string(code) : std::string(1, static_cast<char>(c));
        }
        char numbers[200];
        std::snprintf(numbers, sizeof numbers, " %d %lld %d %d %d %d %lld %lld\n", e.games,
                      static_cast<long long>(e.totalSum), e.best, e.bonusGames, e.dyxelGames,
                      e.humanGames, static_cast<long long>(e.decisions),
                      static_cast<long long>(e.lossMilli));
        text += numbers;
    }
    return text;
}

void MergeStatistics(std::vector<StatisticsEntry>& entries, const StatisticsEntry& r) {
    StatisticsEntry fresh{};
    std::memcpy(fresh.name, r.name, 4);
    fresh.name[3] = 0;
    auto it = std::lower_bound(entries.begin(), entries.end(), fresh, byName);
    if (it == entries.end() || !sameName(it->name, fresh.name))
        it = entries.insert(it, fresh);
    StatisticsEntry& e = *it;
    e.best = e.games == 0 || r.best > e.best ? r.best : e.best;
    e.games = e.games < INT32_MAX ? e.games + 1 : e.games;
    e.totalSum = add(e.totalSum, r.totalSum);
    e.bonusGames += r.bonusGames != 0 && e.bonusGames < e.games;
    e.dyxelGames += r.dyxelGames != 0 && e.dyxelGames < e.games;
    e.humanGames += r.humanGames != 0 && e.humanGames < e.games;
    e.decisions = add(e.decisions, r.decisions);
    e.lossMilli = add(e.lossMilli, r.lossMilli);
}

bool LoadStatistics(std::vector<StatisticsEntry>& out) {
    std::vector<uint8_t> image(MAX_FILE + 1);
    size_t n = 0;
    out.clear();
    if (!ReadDataImage(FILE_NAME, image.data(), image.size(), &n) || n > MAX_FILE)
        return false;
    return ParseStatistics(reinterpret_cast<const char*>(image.data()), n, out);
}

bool AddGameToStatistics(const StatisticsEntry* results, int32_t count) {
    LockDataFiles();
    std::vector<StatisticsEntry> entries;
    if (!LoadStatistics(entries)) {
        // Missing, or not ours: a file that is there is kept whole beside the new one.
        std::vector<uint8_t> raw(MAX_FILE);
        size_t n = 0;
        if (ReadDataFile(FILE_NAME, raw.data(), raw.size(), &n) && n > 0)
            ReplaceDataFileWhole(BACKUP_NAME, raw.data(), n);
    }
    for (int32_t i = 0; i < count; i++)
        MergeStatistics(entries, results[i]);
    const bool written = writeEntries(entries);
    UnlockDataFiles();
    return written;
}
